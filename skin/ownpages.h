#pragma once
// A catalogue folder's own pages (pages/ in the start folder), shown in place of the pictures
// built into the windows. A page that is there but cannot be shown is reported as any picture
// is, and the window keeps its built-in picture. Here in the skin, below every window, as the
// main window brings its logo as the windows above it bring their pages.

#include "catalogue/pagefiles.h"

class TCoolForm;
class TPicture;

// True when the folder has the page and it loaded into `picture`; otherwise the picture keeps
// what it held.
bool LoadOwnPage(PageFile page, TPicture& picture);

// A skinned window's whole background: it must have the window's size, since the shape and the
// click areas lie on it, and it becomes the skin's bitmap. True when shown.
bool LoadOwnBackground(PageFile page, TCoolForm& skin);

// A piece of a skinned window's background (the main window's logo), set into the skin's
// bitmap at its place: the shape and the click areas stay as they are. True when shown.
bool LoadOwnBackgroundPart(PageFile page, TCoolForm& skin);

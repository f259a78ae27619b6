#pragma once
// The artwork's painting library: what vendral-make and the generator share.
//
//   LoadArtworkFonts, SerifFont, PaintLettering, PaintText   EB Garamond lettering
//   Palette                                                  the colours every window shares
//   FlatImage, PaintOutline, PaintRaisedFace, LetterFace     grounds, outlines, button faces
//   EmblemFigure                                             the collection's standing figure
//   PaintExhibitionHall                                      the splash's photograph
//   SetDescriptionPage, SetIntroductionPage                  pages of running text
//   SplashLayout, AboutLayout, ...                           where things lie on the windows
//
// The generator itself (the backgrounds, the demo's paintings and texts, the files it writes)
// is not part of the library.

#include "tools/artwork/emblems.h"
#include "tools/artwork/exhibitionhall.h"
#include "tools/artwork/faces.h"
#include "tools/artwork/layout.h"
#include "tools/artwork/lettering.h"
#include "tools/artwork/pagesetting.h"
#include "tools/artwork/palette.h"

#pragma once
// The print of the shown picture.
//
//   TForm4              the print page's holder, built from its description
//   PrintShownPicture   the selected entry's title and the shown picture on one A4 sheet
//
// Inside, not for other folders: the page geometry and caption lines (toolkit-free, a library
// of their own), the layout and its reader, the page's elements, the composer, the printer
// and its progress window.

#include "print/printshownpicture.h"
#include "print/tform4.h"

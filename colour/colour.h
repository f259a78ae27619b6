#pragma once
// Colour: what the rest of the program uses of it.
//
//   OutputSpace       where decoded pixels go: the screen (sRGB, or the profile the X screen
//                     announces) or plain sRGB (the printed page, vendral-make's output)
//   SetScreenProfile  the screen's profile, set once at start-up
//   ColourFor         how pixels of one picture turn into an output space: nothing to do, or a
//                     PixelConverter made by Little CMS from the picture's embedded profile
//   JpegIccProfile    the profile a JPEG file embeds (APP2 chunks), empty when none is whole
//   ProfileLabel      a profile's name for listings ("sRGB", "Adobe RGB (1998)", ...)
//
// Inside: the Little CMS handles and profiles, the fast path for matrix-shaper profiles, the
// cache of converters by profile.

#include "colour/colourfor.h"
#include "colour/jpegprofile.h"
#include "colour/outputspace.h"
#include "colour/pixelconverter.h"
#include "colour/profilelabel.h"

#pragma once
// The fast way between two matrix-shaper RGB profiles (Adobe RGB, ProPhoto, eciRGB, sRGB and
// most screens): a curve a channel into linear light, one 3 x 3 matrix, a curve a channel out.
// Little CMS's own 8-bit path for the same pair goes through its generic pixel formatters at
// several times the cost, which a 12-megapixel picture would feel. The curves and colorants
// are Little CMS's; the caller checks the result against Little CMS's transform before use.

#include "colour/pixelconverter.h"

#include <memory>

#include <lcms2.h>

// Null when either profile is no matrix-shaper, or its matrix cannot be inverted.
std::unique_ptr<PixelConverter> MakeMatrixShaper(cmsHPROFILE in, cmsHPROFILE out);

#pragma once
// The scale a JPEG is decoded at when it is drawn smaller than its own size: libjpeg scales
// while decoding (1/2, 1/4 or 1/8, by shortening its inverse DCT) for a fraction of the work
// and of the memory a full decode takes.

// One side of the picture decoded at 1 / denominator; libjpeg rounds up.
int JpegScaledSide(int side, int denominator);

// The largest denominator of 1, 2, 4 and 8 whose output still covers the target in both
// directions, so a stretch to the target never enlarges it.
int SmallestCoveringScale(int width, int height, int targetWidth, int targetHeight);

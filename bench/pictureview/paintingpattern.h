#pragma once
// Colourful, painting-like pictures for the benchmarks: broad colour fields, brush-stroke
// ripples and a fine grain, so JPEG spends on them what it spends on a photographed painting
// rather than what it spends on flat colour.

#include <cstdint>
#include <vector>

// width*height*3 bytes (R, G, B), rows top-down. The same seed gives the same picture.
std::vector<std::uint8_t> PaintingPixels(int width, int height, int seed);

#pragma once
// Writes pictures as BMP files, the form the window backgrounds take: 24-bit device-independent
// bitmaps, bottom-up, no colour table, 72 dpi.

#include <cstdint>
#include <vector>

// rgb: width * height * 3 bytes, rows top-down. Returns the whole .bmp file.
std::vector<std::uint8_t> EncodeBmp24(const std::uint8_t* rgb, int width, int height);

#pragma once
// Writes pictures as JPEG files: the artwork generator and the tests make their pictures here.

#include <cstdint>
#include <span>
#include <vector>

// JFIF, 8-bit samples, baseline unless progressive. pixels: width*height*3 bytes (R, G, B), rows
// top-down, or one byte a pixel when grayscale. densityDpi goes into the JFIF header (the artwork
// uses 72). quality is the usual 1..100 scale (clamped). Colour pictures keep full-resolution
// chroma, so a decoded pixel comes back close to the one written.
std::vector<std::uint8_t> EncodeJpeg(const std::uint8_t* pixels, int width, int height,
                                     bool grayscale, int quality, int densityDpi = 72,
                                     bool progressive = false);

// The same JPEG file with an ICC colour profile embedded after its start marker, in APP2 chunks
// as libjpeg writes them (pictures tagged Adobe RGB and the like, for the tests and benchmarks).
std::vector<std::uint8_t> EmbedIccProfile(std::span<const std::uint8_t> jpeg,
                                          std::span<const std::uint8_t> icc);

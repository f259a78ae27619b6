#pragma once
// libjpeg on its own, as the yardstick for the picture view: a file's bytes already in memory,
// decoded at full size into one buffer with the settings the viewer uses (scale 1/1, block
// smoothing on, the default DCT method, RGB out, or one channel for grayscale files).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct BareDecoded {
    int width = 0;
    int height = 0;
    int components = 0;
    // Rows top-down, width * components bytes each, no padding.
    std::unique_ptr<std::uint8_t[]> pixels;
};

// libjpeg's own error handling: a faulty file ends the process with libjpeg's message, which
// suits a benchmark that only decodes the files it wrote itself.
BareDecoded DecodeWithLibjpeg(const std::vector<std::uint8_t>& bytes);

// Reads a whole file into memory; throws std::runtime_error when it cannot.
std::vector<std::uint8_t> ReadBytes(const std::string& path);

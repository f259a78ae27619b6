#pragma once
// The ICC profile a JPEG file embeds: APP2 chunks marked ICC_PROFILE, numbered, in any order.
// A profile with a chunk missing, repeated or badly numbered counts as none.

#include <cstddef>
#include <cstdint>
#include <cstdio> // jpeglib.h needs FILE and size_t first
#include <vector>

#include <jpeglib.h>

// Call before jpeg_read_header, so that libjpeg keeps the APP2 chunks.
void KeepJpegIccChunks(jpeg_decompress_struct* info);
// After jpeg_read_header: the profile's bytes, or none.
std::vector<std::uint8_t> JpegIccProfile(jpeg_decompress_struct* info);

struct JpegColourFacts {
    bool readable = false; // the headers could be read
    bool ink = false;      // CMYK or YCCK
    bool inverted = false; // Adobe's marker
    bool grey = false;
    std::vector<std::uint8_t> icc;
};
// Reads a file's headers for its colours (vendral-check), from its bytes or from the file
// itself; never throws.
JpegColourFacts ReadJpegColourFacts(const std::uint8_t* data, std::size_t size);
JpegColourFacts ReadJpegColourFacts(std::FILE* file);

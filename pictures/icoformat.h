#pragma once
// Icon files: a directory of images, each a DIB or a PNG stream.

#include <cstdint>
#include <optional>
#include <span>

struct IconEntry {
    int width = 0; // from the directory; 0 there means 256
    int height = 0;
    int bitCount = 0;
    std::span<const std::uint8_t> data; // the image's bytes inside the file
    bool png = false;
};

// The largest image of the file (ties go to more bits a pixel, then to the first), or nullopt
// when the directory is not valid or an entry lies outside the file.
std::optional<IconEntry> LargestIconImage(std::span<const std::uint8_t> file);

// The size a PNG image states in its header, when its chunks lie within its bytes: a chunk
// that claims more bytes than the image holds would make the PNG library allocate what it
// claims (gigabytes, from a few hundred bytes) before finding the data cut short. nullopt
// for an image with such a chunk, or without a header.
struct PngSize {
    std::int64_t width = 0;
    std::int64_t height = 0;
};
std::optional<PngSize> SoundPngSize(std::span<const std::uint8_t> png);

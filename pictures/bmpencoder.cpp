#include "pictures/bmpencoder.h"

#include <cstddef>

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::int32_t PixelsPerMetre = 2834; // 72 dpi

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint16_t value) {
    out[at] = value & 0xFF;
    out[at + 1] = value >> 8;
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = (value >> (8 * i)) & 0xFF;
}

} // namespace

std::vector<std::uint8_t> EncodeBmp24(const std::uint8_t* rgb, int width, int height) {
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t(3);
    const std::size_t imageSize = stride * height;
    const std::size_t offset = FileHeaderSize + InfoHeaderSize;
    std::vector<std::uint8_t> out(offset + imageSize, 0);

    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<std::uint32_t>(out.size()));
    Put32(out, 10, offset);

    Put32(out, 14, InfoHeaderSize);
    Put32(out, 18, static_cast<std::uint32_t>(width));
    Put32(out, 22, static_cast<std::uint32_t>(height)); // positive: rows bottom-up
    Put16(out, 26, 1);                                  // planes
    Put16(out, 28, 24);                                 // bits per pixel
    Put32(out, 30, 0);                                  // BI_RGB
    Put32(out, 34, static_cast<std::uint32_t>(imageSize));
    Put32(out, 38, PixelsPerMetre);
    Put32(out, 42, PixelsPerMetre);
    Put32(out, 46, 0); // colours used: none, no table
    Put32(out, 50, 0);

    for (int y = 0; y < height; ++y) {
        const std::uint8_t* source = rgb + static_cast<std::size_t>(y) * width * 3;
        std::uint8_t* target = out.data() + offset + (height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            target[3 * x] = source[3 * x + 2]; // stored blue, green, red
            target[3 * x + 1] = source[3 * x + 1];
            target[3 * x + 2] = source[3 * x];
        }
    }
    return out;
}

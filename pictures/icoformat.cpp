#include "pictures/icoformat.h"

#include "core/littleendian.h"

#include <algorithm>

namespace {

constexpr std::uint8_t PngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

} // namespace

std::optional<IconEntry> LargestIconImage(std::span<const std::uint8_t> file) {
    // Header: reserved 0, type 1 (icon), image count.
    if (file.size() < 6 || ReadU16(file, 0) != 0 || ReadU16(file, 2) != 1)
        return std::nullopt;
    const std::size_t count = ReadU16(file, 4);
    if (count == 0 || file.size() < 6 + 16 * count)
        return std::nullopt;
    std::optional<IconEntry> best;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = 6 + 16 * i;
        IconEntry entry;
        entry.width = file[at] == 0 ? 256 : file[at];
        entry.height = file[at + 1] == 0 ? 256 : file[at + 1];
        entry.bitCount = ReadU16(file, at + 6);
        const std::uint32_t size = ReadU32(file, at + 8);
        const std::uint32_t offset = ReadU32(file, at + 12);
        if (size == 0 || offset > file.size() || size > file.size() - offset)
            return std::nullopt;
        entry.data = file.subspan(offset, size);
        entry.png = size >= 8 && std::equal(PngSignature, PngSignature + 8, entry.data.begin());
        const auto area = [](const IconEntry& e) { return e.width * e.height; };
        if (!best || area(entry) > area(*best) ||
            (area(entry) == area(*best) && entry.bitCount > best->bitCount))
            best = entry;
    }
    return best;
}

std::optional<PngSize> SoundPngSize(std::span<const std::uint8_t> png) {
    const auto word = [&](std::size_t at) {
        return std::uint32_t{png[at]} << 24 | std::uint32_t{png[at + 1]} << 16 |
               std::uint32_t{png[at + 2]} << 8 | png[at + 3];
    };
    // Signature, then the header chunk: length 13, "IHDR", width, height, ...
    if (png.size() < 8 + 8 + 13 + 4 || !std::equal(PngSignature, PngSignature + 8, png.begin()) ||
        word(8) != 13 || word(12) != 0x49484452)
        return std::nullopt;
    const PngSize size{word(16), word(20)};
    // Each chunk: length, type, data, check sum. Bytes after the end chunk are ignored.
    for (std::size_t at = 8; at < png.size();) {
        if (png.size() - at < 12)
            return std::nullopt;
        const std::uint64_t length = word(at);
        if (length > png.size() - at - 12)
            return std::nullopt;
        if (word(at + 4) == 0x49454E44) // IEND
            break;
        at += 12 + static_cast<std::size_t>(length);
    }
    return size;
}

#include "pictures/bmpformat.h"

#include "core/littleendian.h"

#include <algorithm>
#include <array>
#include <bit>
#include <system_error>
#include <thread>

namespace {

constexpr std::uint32_t BiRgb = 0;
constexpr std::uint32_t BiBitfields = 3;
constexpr std::int64_t MaxPixels = std::int64_t{1} << 28; // refuses absurd headers early
// From this size on a second thread pays for its start.
constexpr std::size_t ParallelPixels = 256 * 1024;

struct DibLayout {
    std::int64_t width = 0;
    std::int64_t height = 0; // as stored: negative means top-down
    int bitCount = 0;
    std::uint32_t compression = BiRgb;
    std::size_t paletteOffset = 0; // from the start of the DIB
    std::size_t paletteEntries = 0;
    std::size_t paletteEntrySize = 4;
    std::array<std::uint32_t, 4> masks{}; // red, green, blue, alpha
};

// A channel read through a bit mask, scaled to 0..255.
std::uint32_t Channel(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    std::uint32_t v = (value & mask) >> shift;
    const std::uint32_t max = bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(v) * 255 + max / 2) / max);
}

bool MasksValid(const std::array<std::uint32_t, 4>& masks) {
    for (std::uint32_t m : masks) {
        // A mask must be one run of ones.
        if (m != 0 && std::popcount(m) != 32 - std::countl_zero(m) - std::countr_zero(m))
            return false;
    }
    return true;
}

std::optional<DibLayout> ReadInfoHeader(std::span<const std::uint8_t> dib) {
    if (dib.size() < 12)
        return std::nullopt;
    DibLayout layout;
    const std::uint32_t headerSize = ReadU32(dib, 0);
    if (headerSize == 12) {
        layout.width = ReadU16(dib, 4);
        layout.height = ReadU16(dib, 6);
        layout.bitCount = ReadU16(dib, 10);
        if (ReadU16(dib, 8) != 1)
            return std::nullopt;
        layout.paletteEntrySize = 3;
    } else if (headerSize >= 40 && headerSize <= dib.size()) {
        layout.width = static_cast<std::int32_t>(ReadU32(dib, 4));
        layout.height = static_cast<std::int32_t>(ReadU32(dib, 8));
        if (ReadU16(dib, 12) != 1)
            return std::nullopt;
        layout.bitCount = ReadU16(dib, 14);
        layout.compression = ReadU32(dib, 16);
        layout.paletteEntries = ReadU32(dib, 32);
        if (layout.compression == BiBitfields) {
            // The masks follow a bare info header, or sit inside a V4/V5 header.
            if (dib.size() < 52)
                return std::nullopt;
            layout.masks = {ReadU32(dib, 40), ReadU32(dib, 44), ReadU32(dib, 48), 0};
            if (headerSize >= 56)
                layout.masks[3] = ReadU32(dib, 52);
        }
    } else {
        return std::nullopt;
    }
    layout.paletteOffset = headerSize;
    if (headerSize == 40 && layout.compression == BiBitfields)
        layout.paletteOffset += 12;
    return layout;
}

bool LayoutValid(DibLayout& layout) {
    const int bits = layout.bitCount;
    if (layout.width <= 0 || layout.height == 0 || layout.height == INT32_MIN)
        return false;
    if (layout.width * (layout.height < 0 ? -layout.height : layout.height) > MaxPixels)
        return false;
    if (layout.compression == BiRgb) {
        if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
            return false;
        if (bits == 16)
            layout.masks = {0x7C00, 0x03E0, 0x001F, 0};
        else if (bits == 32 || bits == 24)
            layout.masks = {0xFF0000, 0x00FF00, 0x0000FF, 0};
    } else if (layout.compression == BiBitfields) {
        if (bits != 16 && bits != 32)
            return false;
        if (!MasksValid(layout.masks))
            return false;
    } else {
        return false;
    }
    if (bits <= 8) {
        const std::size_t full = std::size_t{1} << bits;
        if (layout.paletteEntries == 0 || layout.paletteEntries > full)
            layout.paletteEntries = full;
    } else {
        layout.paletteEntries = 0; // an optional table for display devices; not needed
    }
    return true;
}

// Decodes the colour rows; pixelsAt is the offset of the pixel data inside dib.
std::optional<DecodedBitmap> DecodeRows(std::span<const std::uint8_t> dib, const DibLayout& layout,
                                        std::int64_t rows, std::size_t pixelsAt,
                                        std::size_t* endOfRows) {
    const std::size_t paletteBytes = layout.paletteEntries * layout.paletteEntrySize;
    if (layout.paletteOffset + paletteBytes > dib.size())
        return std::nullopt;
    std::vector<std::uint32_t> palette(layout.paletteEntries);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::size_t at = layout.paletteOffset + i * layout.paletteEntrySize;
        palette[i] = 0xFF000000u | static_cast<std::uint32_t>(dib[at + 2]) << 16 |
                     static_cast<std::uint32_t>(dib[at + 1]) << 8 | dib[at];
    }
    const auto width = static_cast<std::size_t>(layout.width);
    const std::size_t stride = (width * static_cast<std::size_t>(layout.bitCount) + 31) / 32 * 4;
    const auto height = static_cast<std::size_t>(rows);
    if (pixelsAt > dib.size() || stride * height > dib.size() - pixelsAt)
        return std::nullopt;
    *endOfRows = pixelsAt + stride * height;

    DecodedBitmap out;
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.pixels.resize(width * height);
    const bool bottomUp = layout.height > 0;
    const bool alpha = layout.masks[3] != 0;
    out.hasAlpha = alpha;
    // Plain 24- and 32-bit rows, the window artwork among them, straight through: reading each
    // channel through its mask makes start-up wait several milliseconds a window.
    const bool plain =
        layout.compression == BiRgb && !alpha && (layout.bitCount == 24 || layout.bitCount == 32);
    if (plain) {
        const std::size_t step = static_cast<std::size_t>(layout.bitCount) / 8;
        const auto convert = [&](std::size_t from, std::size_t to) {
            for (std::size_t y = from; y < to; ++y) {
                const std::uint8_t* row =
                    dib.data() + pixelsAt + stride * (bottomUp ? height - 1 - y : y);
                std::uint32_t* target = out.pixels.data() + y * width;
                for (std::size_t x = 0; x < width; ++x, row += step)
                    target[x] = 0xFF000000u | static_cast<std::uint32_t>(row[2]) << 16 |
                                static_cast<std::uint32_t>(row[1]) << 8 | row[0];
            }
        };
        // A window's artwork is converted at start-up: a second core takes the lower half
        // (or nobody, if no thread can be started: then this one does it all).
        std::thread lower;
        if (width * height >= ParallelPixels && std::thread::hardware_concurrency() > 1) {
            try {
                lower = std::thread(convert, height / 2, height);
            } catch (const std::system_error&) {
            }
        }
        convert(0, lower.joinable() ? height / 2 : height);
        if (lower.joinable())
            lower.join();
    }
    for (std::size_t y = 0; !plain && y < height; ++y) {
        const std::uint8_t* row = dib.data() + pixelsAt + stride * (bottomUp ? height - 1 - y : y);
        std::uint32_t* target = out.pixels.data() + y * width;
        for (std::size_t x = 0; x < width; ++x) {
            std::uint32_t value;
            switch (layout.bitCount) {
            case 1:
            case 4:
            case 8: {
                const std::size_t bit = x * static_cast<std::size_t>(layout.bitCount);
                const int shift = 8 - layout.bitCount - static_cast<int>(bit % 8);
                const std::size_t index = (row[bit / 8] >> shift) & ((1u << layout.bitCount) - 1);
                // An index past the table shows the first colour, as a display driver would.
                target[x] = index < palette.size() ? palette[index]
                                                   : (palette.empty() ? 0xFF000000u : palette[0]);
                continue;
            }
            case 16:
                value = static_cast<std::uint32_t>(row[2 * x] | row[2 * x + 1] << 8);
                break;
            case 24:
                value = static_cast<std::uint32_t>(row[3 * x] | row[3 * x + 1] << 8 |
                                                   row[3 * x + 2] << 16);
                break;
            default:
                value = static_cast<std::uint32_t>(row[4 * x]) |
                        static_cast<std::uint32_t>(row[4 * x + 1]) << 8 |
                        static_cast<std::uint32_t>(row[4 * x + 2]) << 16 |
                        static_cast<std::uint32_t>(row[4 * x + 3]) << 24;
                break;
            }
            const std::uint32_t a = alpha ? Channel(value, layout.masks[3]) : 0xFF;
            target[x] = a << 24 | Channel(value, layout.masks[0]) << 16 |
                        Channel(value, layout.masks[1]) << 8 | Channel(value, layout.masks[2]);
        }
    }
    return out;
}

} // namespace

std::optional<DibSize> ClaimedBmpSize(std::span<const std::uint8_t> file) {
    if (file.size() < 14 + 12 || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    const std::optional<DibLayout> layout = ReadInfoHeader(file.subspan(14));
    if (!layout)
        return std::nullopt;
    return DibSize{layout->width, layout->height < 0 ? -layout->height : layout->height};
}

std::optional<DibSize> ClaimedIconDibSize(std::span<const std::uint8_t> dib) {
    const std::optional<DibLayout> layout = ReadInfoHeader(dib);
    if (!layout)
        return std::nullopt;
    // Colour and mask rows are counted together.
    return DibSize{layout->width, (layout->height < 0 ? -layout->height : layout->height) / 2};
}

std::optional<DecodedBitmap> DecodeBmpFile(std::span<const std::uint8_t> file) {
    if (file.size() < 14 + 12 || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    const std::uint32_t pixelOffset = ReadU32(file, 10);
    const std::span<const std::uint8_t> dib = file.subspan(14);
    std::optional<DibLayout> layout = ReadInfoHeader(dib);
    if (!layout || !LayoutValid(*layout) || pixelOffset < 14)
        return std::nullopt;
    const std::int64_t rows = layout->height < 0 ? -layout->height : layout->height;
    std::size_t end = 0;
    return DecodeRows(dib, *layout, rows, pixelOffset - 14, &end);
}

std::optional<IndexedBitmap> DecodeIndexedBmpFile(std::span<const std::uint8_t> file) {
    if (file.size() < 14 + 12 || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    const std::uint32_t pixelOffset = ReadU32(file, 10);
    const std::span<const std::uint8_t> dib = file.subspan(14);
    std::optional<DibLayout> layout = ReadInfoHeader(dib);
    if (!layout || !LayoutValid(*layout) || pixelOffset < 14 || layout->compression != BiRgb ||
        layout->bitCount > 8)
        return std::nullopt;
    const std::size_t paletteBytes = layout->paletteEntries * layout->paletteEntrySize;
    if (layout->paletteOffset + paletteBytes > dib.size())
        return std::nullopt;
    IndexedBitmap out;
    out.width = static_cast<int>(layout->width);
    const auto height =
        static_cast<std::size_t>(layout->height < 0 ? -layout->height : layout->height);
    out.height = static_cast<int>(height);
    const auto width = static_cast<std::size_t>(layout->width);
    const std::size_t fileStride =
        (width * static_cast<std::size_t>(layout->bitCount) + 31) / 32 * 4;
    const std::size_t pixelsAt = pixelOffset - 14;
    if (pixelsAt > dib.size() || fileStride * height > dib.size() - pixelsAt)
        return std::nullopt;
    out.bitsPerPixel = layout->bitCount == 1 ? 1 : 8;
    out.stride = layout->bitCount == 1 ? fileStride : (width + 3) / 4 * 4;
    const std::size_t colours = std::size_t{1} << out.bitsPerPixel;
    for (std::size_t i = 0; i < colours; ++i) {
        const std::size_t entry = i < layout->paletteEntries ? i : 0;
        const std::size_t at = layout->paletteOffset + entry * layout->paletteEntrySize;
        out.palette.push_back(0xFF000000u | static_cast<std::uint32_t>(dib[at + 2]) << 16 |
                              static_cast<std::uint32_t>(dib[at + 1]) << 8 | dib[at]);
    }
    out.rows.resize(out.stride * height);
    const bool bottomUp = layout->height > 0;
    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t* row =
            dib.data() + pixelsAt + fileStride * (bottomUp ? height - 1 - y : y);
        std::uint8_t* target = out.rows.data() + out.stride * y;
        if (layout->bitCount == 1 || layout->bitCount == 8) {
            std::copy_n(row, std::min(fileStride, out.stride), target);
            continue;
        }
        for (std::size_t x = 0; x < width; ++x)
            target[x] = static_cast<std::uint8_t>(x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 15);
    }
    return out;
}

std::optional<DecodedBitmap> DecodeIconDib(std::span<const std::uint8_t> dib) {
    std::optional<DibLayout> layout = ReadInfoHeader(dib);
    // Icon images are stored bottom-up with colour and mask rows counted together.
    if (!layout || layout->height <= 0 || layout->height % 2 != 0)
        return std::nullopt;
    layout->height /= 2;
    if (!LayoutValid(*layout))
        return std::nullopt;
    if (layout->bitCount == 32 && layout->compression == BiRgb)
        layout->masks[3] = 0xFF000000u; // 32-bit icon images carry alpha in the fourth byte
    const std::size_t pixelsAt =
        layout->paletteOffset + layout->paletteEntries * layout->paletteEntrySize;
    std::size_t end = 0;
    std::optional<DecodedBitmap> image = DecodeRows(dib, *layout, layout->height, pixelsAt, &end);
    if (!image)
        return std::nullopt;
    bool anyAlpha = false;
    for (std::uint32_t pixel : image->pixels)
        anyAlpha = anyAlpha || (pixel >> 24) != 0;
    if (image->hasAlpha && !anyAlpha) {
        // Older 32-bit icons leave the fourth byte zero and rely on the mask alone.
        for (std::uint32_t& pixel : image->pixels)
            pixel |= 0xFF000000u;
    }
    const auto width = static_cast<std::size_t>(image->width);
    const auto height = static_cast<std::size_t>(image->height);
    const std::size_t maskStride = (width + 31) / 32 * 4;
    // The AND mask is optional in practice; without it the image is opaque.
    if (end <= dib.size() && maskStride * height <= dib.size() - end) {
        for (std::size_t y = 0; y < height; ++y) {
            const std::uint8_t* row = dib.data() + end + maskStride * (height - 1 - y);
            for (std::size_t x = 0; x < width; ++x) {
                if (row[x / 8] >> (7 - x % 8) & 1)
                    image->pixels[y * width + x] &= 0x00FFFFFFu;
            }
        }
        image->hasAlpha = true;
    }
    return image;
}

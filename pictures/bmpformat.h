#pragma once
// Device-independent bitmaps: the BMP file and the bitmap data inside icons.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

// Leaves new elements uninitialised: a decoder writes every pixel, and clearing megabytes first
// only costs time.
template <typename T> struct UninitialisedAllocator : std::allocator<T> {
    template <typename U> struct rebind { using other = UninitialisedAllocator<U>; };
    UninitialisedAllocator() = default;
    template <typename U> UninitialisedAllocator(const UninitialisedAllocator<U>&) {}
    template <typename U> void construct(U* at) { ::new (static_cast<void*>(at)) U; }
    template <typename U, typename... Args> void construct(U* at, Args&&... args) {
        ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
    }
};

struct DecodedBitmap {
    int width = 0;
    int height = 0;
    // Top-down rows of 0xAARRGGBB values (alpha 0xFF unless the data carries alpha).
    std::vector<std::uint32_t, UninitialisedAllocator<std::uint32_t>> pixels;
    bool hasAlpha = false;
};

// The size a header claims, before anything is decoded; height without its sign.
struct DibSize {
    std::int64_t width = 0;
    std::int64_t height = 0;
};
// nullopt when the file or DIB has no readable info header.
std::optional<DibSize> ClaimedBmpSize(std::span<const std::uint8_t> file);
std::optional<DibSize> ClaimedIconDibSize(std::span<const std::uint8_t> dib);

// A BMP file: "BM" file header, then a DIB. nullopt when the contents are not a valid bitmap.
std::optional<DecodedBitmap> DecodeBmpFile(std::span<const std::uint8_t> file);

// A BMP file of 1, 4 or 8 bits a pixel (BI_RGB) kept in few bits a pixel: 1-bit rows as they
// are (most significant bit first), 4-bit rows widened to a byte an index. nullopt for any
// other bitmap, which DecodeBmpFile decodes to 32 bits.
struct IndexedBitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;   // 1 or 8
    std::size_t stride = 0; // bytes a row, a multiple of 4
    std::vector<std::uint8_t, UninitialisedAllocator<std::uint8_t>> rows; // top-down
    // A colour for every index the bits can hold (0xFFRRGGBB); an index past the file's table
    // shows its first colour.
    std::vector<std::uint32_t> palette;
};
std::optional<IndexedBitmap> DecodeIndexedBmpFile(std::span<const std::uint8_t> file);

// A DIB (info header, colour table, pixels) as stored in an icon: heightDivisor 2 for icon
// images, whose header counts the colour rows and the mask rows together. The AND mask that
// follows the colour rows, when present, makes masked pixels transparent.
std::optional<DecodedBitmap> DecodeIconDib(std::span<const std::uint8_t> dib);

// Supported: BITMAPCOREHEADER, BITMAPINFOHEADER and its V4/V5 extensions; 1, 4, 8, 16, 24 and
// 32 bits a pixel, BI_RGB or BI_BITFIELDS; bottom-up or top-down rows. Compressed (RLE) data
// is not supported and counts as invalid.

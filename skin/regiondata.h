#pragma once
// The stored window-shape value: a 32-bit byte count N followed by N bytes of region data
// (a 32-byte header, then N−32 bytes of rectangles). Plain C++ so that the byte layout can be
// checked without a window system.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Right and bottom are exclusive.
struct RegionRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool operator==(const RegionRect&) const = default;
};

// The region data proper (the bytes after the count). nullopt when the bytes are not a
// well-formed list of non-empty rectangles: wrong header size or type, counts that disagree
// with each other or with the byte length, no rectangles, an empty rectangle, or a
// coordinate beyond 2^27 either way. An unusable shape must leave the window whole rather
// than invisible or half-drawn.
std::optional<std::vector<RegionRect>> ParseRegionData(std::span<const uint8_t> data);

// The region data for the rectangles, with their bounding rectangle in the header.
std::vector<uint8_t> BuildRegionData(const std::vector<RegionRect>& rects);

// A whole stored value, count included.
struct Mask2Value {
    // The count as stored; 0 means no region.
    uint32_t size = 0;
    // The region data, empty when the count is 0 or the value is too short to hold it.
    std::vector<uint8_t> data;
    // The rectangles, nullopt when there is no usable region.
    std::optional<std::vector<RegionRect>> rects;
};

// Never fails: bytes that cannot be a region simply give no rectangles.
Mask2Value ParseMask2(std::span<const uint8_t> value);

// Four zero bytes without rectangles, otherwise the count followed by the region data.
std::vector<uint8_t> BuildMask2(const std::optional<std::vector<RegionRect>>& rects);

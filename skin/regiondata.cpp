#include "skin/regiondata.h"

#include "core/littleendian.h"

#include <algorithm>

namespace {

constexpr uint32_t kHeaderSize = 32;
constexpr uint32_t kRectangleList = 1;
constexpr uint32_t kRectSize = 16;
// Coordinates a window system can hold (2^27 either way): the toolkit's rectangles keep
// their width in an int and add coordinates together, so farther ones would overflow.
constexpr int32_t kCoordinateLimit = 1 << 27;

bool WithinCoordinateLimit(int32_t value) {
    return value >= -kCoordinateLimit && value <= kCoordinateLimit;
}

void AppendU32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void AppendRect(std::vector<uint8_t>& out, const RegionRect& rect) {
    AppendU32(out, static_cast<uint32_t>(rect.left));
    AppendU32(out, static_cast<uint32_t>(rect.top));
    AppendU32(out, static_cast<uint32_t>(rect.right));
    AppendU32(out, static_cast<uint32_t>(rect.bottom));
}

} // namespace

std::optional<std::vector<RegionRect>> ParseRegionData(std::span<const uint8_t> data) {
    if (data.size() < kHeaderSize)
        return std::nullopt;
    const uint32_t headerSize = ReadU32(data, 0);
    const uint32_t type = ReadU32(data, 4);
    const uint32_t count = ReadU32(data, 8);
    const uint32_t rectBytes = ReadU32(data, 12);
    if (headerSize != kHeaderSize || type != kRectangleList || count == 0)
        return std::nullopt;
    // 64-bit so that a huge count cannot wrap around and pass the length checks.
    const uint64_t expected = uint64_t(count) * kRectSize;
    if (rectBytes != expected || data.size() != kHeaderSize + expected)
        return std::nullopt;

    std::vector<RegionRect> rects;
    rects.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const size_t at = kHeaderSize + size_t(i) * kRectSize;
        RegionRect rect{ReadI32(data, at), ReadI32(data, at + 4), ReadI32(data, at + 8),
                        ReadI32(data, at + 12)};
        if (rect.right <= rect.left || rect.bottom <= rect.top)
            return std::nullopt;
        if (!WithinCoordinateLimit(rect.left) || !WithinCoordinateLimit(rect.top) ||
            !WithinCoordinateLimit(rect.right) || !WithinCoordinateLimit(rect.bottom))
            return std::nullopt;
        rects.push_back(rect);
    }
    return rects;
}

std::vector<uint8_t> BuildRegionData(const std::vector<RegionRect>& rects) {
    RegionRect bound;
    if (!rects.empty()) {
        bound = rects.front();
        for (const RegionRect& rect : rects) {
            bound.left = std::min(bound.left, rect.left);
            bound.top = std::min(bound.top, rect.top);
            bound.right = std::max(bound.right, rect.right);
            bound.bottom = std::max(bound.bottom, rect.bottom);
        }
    }
    std::vector<uint8_t> out;
    out.reserve(kHeaderSize + rects.size() * kRectSize);
    AppendU32(out, kHeaderSize);
    AppendU32(out, kRectangleList);
    AppendU32(out, static_cast<uint32_t>(rects.size()));
    AppendU32(out, static_cast<uint32_t>(rects.size() * kRectSize));
    AppendRect(out, bound);
    for (const RegionRect& rect : rects)
        AppendRect(out, rect);
    return out;
}

Mask2Value ParseMask2(std::span<const uint8_t> value) {
    Mask2Value result;
    if (value.size() < 4)
        return result;
    result.size = ReadU32(value, 0);
    if (result.size == 0)
        return result;
    // A count that promises more bytes than the value holds is a truncated value; one that
    // leaves bytes over is just as damaged. Neither is read as a region.
    if (value.size() - 4 != result.size)
        return result;
    result.data.assign(value.begin() + 4, value.end());
    result.rects = ParseRegionData(result.data);
    return result;
}

std::vector<uint8_t> BuildMask2(const std::optional<std::vector<RegionRect>>& rects) {
    if (!rects || rects->empty())
        return {0, 0, 0, 0};
    std::vector<uint8_t> data = BuildRegionData(*rects);
    std::vector<uint8_t> out;
    out.reserve(4 + data.size());
    AppendU32(out, static_cast<uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

#pragma once
// Little-endian integers inside file data (BMP, ICO, metafile headers, stored regions). The
// caller checks that the bytes are there.

#include <cstddef>
#include <cstdint>
#include <span>

inline std::uint16_t ReadU16(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::uint16_t>(data[at] | data[at + 1] << 8);
}

inline std::uint32_t ReadU32(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::uint32_t>(data[at]) | static_cast<std::uint32_t>(data[at + 1]) << 8 |
           static_cast<std::uint32_t>(data[at + 2]) << 16 |
           static_cast<std::uint32_t>(data[at + 3]) << 24;
}

inline std::int16_t ReadI16(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::int16_t>(ReadU16(data, at));
}

inline std::int32_t ReadI32(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::int32_t>(ReadU32(data, at));
}

#pragma once
// The embedded picture format of the window descriptions: class name with a length byte, a
// 32-bit little-endian byte count, then the complete picture file.

#include <cstdint>
#include <string_view>
#include <vector>

std::vector<std::uint8_t> WrapPicture(std::string_view className,
                                      const std::vector<std::uint8_t>& file);

#pragma once
// The picture data embedded in a window description: the class name as one length byte and
// its characters, then a 32-bit little-endian byte count and that many bytes of the file.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct EmbeddedPicture {
    std::string className;
    std::vector<std::uint8_t> bytes;
};

// nullopt when the data is cut short or holds more than one picture's bytes.
std::optional<EmbeddedPicture> ParseEmbeddedPicture(std::span<const std::uint8_t> data);

// className must be at most 255 characters.
std::vector<std::uint8_t> FormatEmbeddedPicture(std::string_view className,
                                                std::span<const std::uint8_t> bytes);

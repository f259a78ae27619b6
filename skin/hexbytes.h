#pragma once
// Byte values written as hexadecimal text in the window descriptions ("30000000 20000000 ...").

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Whitespace is ignored; nullopt for any other non-hex character or an odd digit count.
std::optional<std::vector<uint8_t>> ParseHexBytes(std::string_view text);

// Upper-case pairs, a space after every fourth byte, as the descriptions store them.
std::string FormatHexBytes(const std::vector<uint8_t>& bytes);

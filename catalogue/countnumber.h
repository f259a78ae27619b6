#pragma once
// The number at the head of the catalogue: "+" or "-" and decimal digits, or hexadecimal digits
// after "$", "x" or "0x" (x in either case) without a sign; within the 32-bit signed range.

#include <cstdint>
#include <optional>
#include <string_view>

// nullopt when the token is no such number (empty, letters, a stray sign, out of range).
std::optional<std::int32_t> ParseCountNumber(std::string_view token);

#include "catalogue/countnumber.h"

#include "core/hexdigit.h"

namespace {

constexpr std::int64_t Largest = 2147483647;

std::optional<std::int32_t> ParseHex(std::string_view digits) {
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
        if (value > Largest)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ParseDecimal(std::string_view token) {
    bool negative = false;
    if (!token.empty() && (token[0] == '+' || token[0] == '-')) {
        negative = token[0] == '-';
        token.remove_prefix(1);
    }
    if (token.empty())
        return std::nullopt;
    const std::int64_t limit = negative ? Largest + 1 : Largest;
    std::int64_t value = 0;
    for (const char c : token) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace

std::optional<std::int32_t> ParseCountNumber(std::string_view token) {
    if (!token.empty() && (token[0] == '$' || token[0] == 'x' || token[0] == 'X'))
        return ParseHex(token.substr(1));
    if (token.size() >= 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X'))
        return ParseHex(token.substr(2));
    return ParseDecimal(token);
}

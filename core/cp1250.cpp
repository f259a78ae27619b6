#include "core/cp1250.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace {

constexpr char32_t Unassigned = 0xFFFD;

// Bytes 0x80..0xFF; the lower half is ASCII.
constexpr std::array<char32_t, 128> UpperHalf = {
    0x20AC,     Unassigned, 0x201A, Unassigned, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    Unassigned, 0x2030,     0x0160, 0x2039,     0x015A, 0x0164, 0x017D, 0x0179, // 88
    Unassigned, 0x2018,     0x2019, 0x201C,     0x201D, 0x2022, 0x2013, 0x2014, // 90
    Unassigned, 0x2122,     0x0161, 0x203A,     0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0,     0x02C7,     0x02D8, 0x0141,     0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8,     0x00A9,     0x015E, 0x00AB,     0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0,     0x00B1,     0x02DB, 0x0142,     0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8,     0x0105,     0x015F, 0x00BB,     0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154,     0x00C1,     0x00C2, 0x0102,     0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C,     0x00C9,     0x0118, 0x00CB,     0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110,     0x0143,     0x0147, 0x00D3,     0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158,     0x016E,     0x00DA, 0x0170,     0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155,     0x00E1,     0x00E2, 0x0103,     0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D,     0x00E9,     0x0119, 0x00EB,     0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111,     0x0144,     0x0148, 0x00F3,     0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159,     0x016F,     0x00FA, 0x0171,     0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

const std::unordered_map<char32_t, char>& ReverseTable() {
    static const std::unordered_map<char32_t, char> table = [] {
        std::unordered_map<char32_t, char> map;
        for (std::size_t i = 0; i < UpperHalf.size(); ++i) {
            if (UpperHalf[i] != Unassigned)
                map.emplace(UpperHalf[i], static_cast<char>(0x80 + i));
        }
        return map;
    }();
    return table;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        // The table holds nothing beyond the basic plane.
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one character at text[pos], advancing pos; nullopt for malformed input
// (bad lead or continuation byte, overlong form, surrogate, beyond U+10FFFF).
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<std::uint8_t>(text[pos]);
    int length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (pos + length > text.size())
        return std::nullopt;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<std::uint8_t>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < Smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    pos += length;
    return c;
}

} // namespace

std::string Cp1250ToUtf8(std::string_view cp1250) {
    std::string out;
    out.reserve(cp1250.size() + cp1250.size() / 2);
    for (const char byte : cp1250) {
        const auto b = static_cast<std::uint8_t>(byte);
        AppendUtf8(out, b < 0x80 ? char32_t{b} : UpperHalf[b - 0x80]);
    }
    return out;
}

std::optional<std::string> Utf8ToCp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const auto& reverse = ReverseTable();
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto c = NextCodePoint(utf8, pos);
        if (!c)
            return std::nullopt;
        if (*c < 0x80) {
            out += static_cast<char>(*c);
            continue;
        }
        const auto found = reverse.find(*c);
        if (found == reverse.end())
            return std::nullopt;
        out += found->second;
    }
    return out;
}

std::string AsciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

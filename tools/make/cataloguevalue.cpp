#include "tools/make/cataloguevalue.h"

#include "core/cp1250.h"

#include <cstdio>

namespace {

// The length of the UTF-8 sequence a lead byte starts, 0 for a byte that starts none.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

char32_t Decode(std::string_view sequence) {
    const auto lead = static_cast<unsigned char>(sequence[0]);
    char32_t c = sequence.size() == 1 ? lead : lead & (0x7F >> sequence.size());
    for (std::size_t i = 1; i < sequence.size(); ++i)
        c = c << 6 | (static_cast<unsigned char>(sequence[i]) & 0x3F);
    return c;
}

bool WellFormed(std::string_view sequence) {
    for (std::size_t i = 1; i < sequence.size(); ++i) {
        if ((static_cast<unsigned char>(sequence[i]) & 0xC0) != 0x80)
            return false;
    }
    const char32_t c = Decode(sequence);
    switch (sequence.size()) {
    case 1:
        return true;
    case 2:
        return c >= 0x80;
    case 3:
        return c >= 0x800 && (c < 0xD800 || c > 0xDFFF);
    default:
        return c >= 0x10000 && c <= 0x10FFFF;
    }
}

bool IsControl(char32_t c) {
    return (c < 0x20 && c != '\t') || c == 0x7F;
}

} // namespace

std::string CodePointName(char32_t c) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
    return name;
}

std::optional<ShortText> CatalogueValue(const SourceValue& value, std::string_view what,
                                        std::vector<Problem>& problems) {
    const std::string_view text = value.text;
    const std::size_t before = problems.size();
    auto report = [&](std::string message) {
        problems.push_back({value.line, std::string(what) + " " + message});
    };
    ShortText bytes;
    for (std::size_t pos = 0; pos < text.size();) {
        const int length = SequenceLength(static_cast<unsigned char>(text[pos]));
        if (length == 0 || pos + std::size_t(length) > text.size() ||
            !WellFormed(text.substr(pos, std::size_t(length)))) {
            report("is not valid UTF-8 text; save the source as UTF-8");
            return std::nullopt;
        }
        const std::string_view sequence = text.substr(pos, std::size_t(length));
        const char32_t c = Decode(sequence);
        const std::optional<std::string> byte = Utf8ToCp1250(sequence);
        if (!byte) {
            report("holds \"" + std::string(sequence) + "\" (" + CodePointName(c) +
                   "), which code page 1250 cannot hold");
        } else if (IsControl(c)) {
            report("holds a control character (" + CodePointName(c) + ")");
        } else {
            bytes += *byte;
        }
        pos += sequence.size();
    }
    if (problems.size() != before)
        return std::nullopt;
    if (bytes.size() > MaxShortText) {
        report("is " + std::to_string(bytes.size()) + " bytes long in code page 1250; a line of " +
               "the catalogue holds at most " + std::to_string(MaxShortText));
        return std::nullopt;
    }
    return bytes;
}

#include "mainwindow/textcontains.h"

namespace {
char AsciiUpperByte(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}
} // namespace

bool TextContains(std::string_view text, std::string_view needle) {
    if (needle.size() > text.size())
        return false;
    for (std::size_t p = 0; p + needle.size() <= text.size(); ++p) {
        std::size_t i = 0;
        while (i < needle.size() && AsciiUpperByte(text[p + i]) == AsciiUpperByte(needle[i]))
            ++i;
        if (i == needle.size())
            return true;
    }
    return false;
}

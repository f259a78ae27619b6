#include "print/captionlines.h"

std::vector<std::string> CaptionLines(std::string_view caption) {
    std::vector<std::string> lines(1);
    for (const char byte : caption) {
        if (byte == '\r')
            lines.emplace_back();
        else if (byte != '\n')
            lines.back() += byte;
    }
    return lines;
}

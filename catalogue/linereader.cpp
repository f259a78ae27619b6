#include "catalogue/linereader.h"

namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::string_view LineReader::ReadLine() {
    if (AtEnd())
        return {};
    const std::size_t start = pos_;
    const std::size_t cr = text_.find('\r', start);
    if (cr == std::string_view::npos) {
        pos_ = text_.size();
        return text_.substr(start);
    }
    pos_ = cr + 1;
    if (pos_ < text_.size() && text_[pos_] == '\n')
        ++pos_;
    ++line_;
    return text_.substr(start, cr - start);
}

LineReader::Token LineReader::ReadToken() {
    while (!AtEnd() && IsBlankOrControl(text_[pos_])) {
        if (text_[pos_] == '\r')
            ++line_;
        ++pos_;
    }
    Token token;
    token.line = line_;
    const std::size_t start = pos_;
    while (!AtEnd() && !IsBlankOrControl(text_[pos_]) && pos_ - start < MaxTokenLength)
        ++pos_;
    token.text = text_.substr(start, pos_ - start);
    ReadLine();
    return token;
}

std::string_view CutAtEndOfFileMark(std::string_view text) {
    const auto mark = text.find('\x1A');
    return mark == std::string_view::npos ? text : text.substr(0, mark);
}

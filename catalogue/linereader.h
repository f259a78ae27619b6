#pragma once
// Reads the catalogue's text the way its format defines lines: a line ends with CR, optionally
// followed by LF; a lone LF stays in the line. Past the end every read yields an empty line.

#include <cstddef>
#include <string_view>

class LineReader {
public:
    // `text` must already end at the first Ctrl-Z; it must outlive the reader.
    explicit LineReader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    // The number of the line the next read starts in, from 1.
    int LineNumber() const { return line_; }

    // The whole line, then moves past its line end.
    std::string_view ReadLine();

    struct Token {
        std::string_view text; // empty only when the text ended first
        int line = 0;          // the line the token stands in
    };
    // Skips blanks, tabs, control characters and line ends; takes up to the next blank or
    // control character (at most MaxTokenLength bytes); then skips the rest of that line.
    Token ReadToken();

    static constexpr std::size_t MaxTokenLength = 32;

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

// Text without its first Ctrl-Z and everything after it.
std::string_view CutAtEndOfFileMark(std::string_view text);

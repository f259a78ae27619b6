#pragma once
// Builds catalogue file text for tests.

#include <string>
#include <vector>

struct EntryText {
    std::string title = "Title", line2 = "Place", line3 = "Time";
    std::vector<std::string> index = {"saint"};
    std::vector<std::string> pictures = {"a.jpg", "b.jpg"};
};

inline std::string Lines(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
    std::string text;
    for (const std::string& line : lines)
        text += line + end;
    return text;
}

inline std::string Entry(const EntryText& entry, const std::string& end = "\r\n") {
    std::vector<std::string> lines = {entry.title, entry.line2, entry.line3};
    lines.insert(lines.end(), entry.index.begin(), entry.index.end());
    lines.push_back("##");
    lines.insert(lines.end(), entry.pictures.begin(), entry.pictures.end());
    lines.push_back("##");
    return Lines(lines, end);
}

inline std::vector<std::string> Numbered(const std::string& stem, int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(stem + std::to_string(i));
    return lines;
}

#pragma once
// The program's case-insensitive substring test over code page 1250 bytes: only the ASCII
// letters are folded, so an accented small letter never matches its capital.

#include <string_view>

bool TextContains(std::string_view text, std::string_view needle);

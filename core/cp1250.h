#pragma once
// Code page 1250 is the program's text encoding: catalogue text stays in it and is compared
// as bytes. These convert at the edges only: to the screen, and typed text back.

#include <optional>
#include <string>
#include <string_view>

// Every byte has a character (the five unassigned bytes map to U+FFFD).
std::string Cp1250ToUtf8(std::string_view cp1250);

// nullopt when a character has no byte in code page 1250 (or the UTF-8 is malformed).
std::optional<std::string> Utf8ToCp1250(std::string_view utf8);

// The program's own case rules change only the ASCII letters.
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);

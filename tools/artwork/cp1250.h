#pragma once
// The demo catalogue is code page 1250 text; the generator knows the characters it writes.

#include <QString>

#include <string>

// Throws std::invalid_argument for a character code page 1250 cannot hold.
std::string ToCp1250(const QString& text);

#pragma once
// The extension of a picture file name decides its format.

#include <string>
#include <string_view>

// Scans the name backwards for the last period, backslash or colon; only a period starts an
// extension, and "/" is no separator here ("./images/abc" has the extension "/images/abc").
// Returns the text after that period, as written, or "" when the name has none.
std::string FileExtension(std::string_view fileName);

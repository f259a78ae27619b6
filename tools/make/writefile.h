#pragma once
// Writing whole files; every failure is reported, not thrown.

#include <string>
#include <string_view>

// "" when written, otherwise why not.
std::string WriteWholeFile(const std::string& path, std::string_view bytes);

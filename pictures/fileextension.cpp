#include "pictures/fileextension.h"

std::string FileExtension(std::string_view fileName) {
    const std::size_t last = fileName.find_last_of(".\\:");
    if (last == std::string_view::npos || fileName[last] != '.')
        return {};
    return std::string(fileName.substr(last + 1));
}

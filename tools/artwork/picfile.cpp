#include "tools/artwork/picfile.h"

#include <stdexcept>

std::vector<std::uint8_t> WrapPicture(std::string_view className,
                                      const std::vector<std::uint8_t>& file) {
    if (className.empty() || className.size() > 255)
        throw std::invalid_argument("picture class name must be 1 to 255 characters");
    std::vector<std::uint8_t> out;
    out.reserve(1 + className.size() + 4 + file.size());
    out.push_back(static_cast<std::uint8_t>(className.size()));
    out.insert(out.end(), className.begin(), className.end());
    const auto size = static_cast<std::uint32_t>(file.size());
    for (int i = 0; i < 4; ++i)
        out.push_back((size >> (8 * i)) & 0xFF);
    out.insert(out.end(), file.begin(), file.end());
    return out;
}

#include "pictures/embeddedpicture.h"

#include "core/errors.h"

std::optional<EmbeddedPicture> ParseEmbeddedPicture(std::span<const std::uint8_t> data) {
    if (data.empty())
        return std::nullopt;
    const std::size_t nameLength = data[0];
    if (nameLength == 0 || data.size() < 1 + nameLength + 4)
        return std::nullopt;
    EmbeddedPicture picture;
    picture.className.assign(data.begin() + 1, data.begin() + 1 + nameLength);
    const std::size_t at = 1 + nameLength;
    const std::uint64_t count = static_cast<std::uint64_t>(data[at]) |
                                static_cast<std::uint64_t>(data[at + 1]) << 8 |
                                static_cast<std::uint64_t>(data[at + 2]) << 16 |
                                static_cast<std::uint64_t>(data[at + 3]) << 24;
    if (count != data.size() - at - 4)
        return std::nullopt;
    picture.bytes.assign(data.begin() + static_cast<std::ptrdiff_t>(at + 4), data.end());
    return picture;
}

std::vector<std::uint8_t> FormatEmbeddedPicture(std::string_view className,
                                                std::span<const std::uint8_t> bytes) {
    if (className.empty() || className.size() > 255 || bytes.size() > 0xFFFFFFFFu)
        throw EInvalidOperation("Picture cannot be embedded");
    std::vector<std::uint8_t> data;
    data.reserve(1 + className.size() + 4 + bytes.size());
    data.push_back(static_cast<std::uint8_t>(className.size()));
    data.insert(data.end(), className.begin(), className.end());
    const auto count = static_cast<std::uint32_t>(bytes.size());
    for (int shift = 0; shift < 32; shift += 8)
        data.push_back(static_cast<std::uint8_t>(count >> shift));
    data.insert(data.end(), bytes.begin(), bytes.end());
    return data;
}

#include "tools/make/exiforientation.h"

#include <cstring>

namespace {

constexpr std::uint16_t OrientationTag = 0x0112;
constexpr std::uint16_t ShortType = 3;

class TiffReader {
public:
    TiffReader(const std::uint8_t* data, std::size_t size, bool bigEndian)
        : data_(data), size_(size), bigEndian_(bigEndian) {}

    bool Has(std::size_t offset, std::size_t count) const {
        return offset <= size_ && count <= size_ - offset;
    }
    std::uint16_t U16(std::size_t at) const {
        return bigEndian_ ? std::uint16_t(data_[at] << 8 | data_[at + 1])
                          : std::uint16_t(data_[at + 1] << 8 | data_[at]);
    }
    std::uint32_t U32(std::size_t at) const {
        return bigEndian_ ? std::uint32_t(U16(at)) << 16 | U16(at + 2)
                          : std::uint32_t(U16(at + 2)) << 16 | U16(at);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    bool bigEndian_;
};

} // namespace

int ExifOrientation(const std::uint8_t* payload, std::size_t size) {
    // "Exif\0\0", then a TIFF header whose first directory describes the main picture.
    if (size < 14 || std::memcmp(payload, "Exif\0\0", 6) != 0)
        return 1;
    const std::uint8_t* tiff = payload + 6;
    const std::size_t tiffSize = size - 6;
    const bool bigEndian = tiff[0] == 'M' && tiff[1] == 'M';
    if (!bigEndian && !(tiff[0] == 'I' && tiff[1] == 'I'))
        return 1;
    const TiffReader reader(tiff, tiffSize, bigEndian);
    if (reader.U16(2) != 42)
        return 1;
    const std::size_t directory = reader.U32(4);
    if (!reader.Has(directory, 2))
        return 1;
    const int count = reader.U16(directory);
    for (int i = 0; i < count; ++i) {
        const std::size_t field = directory + 2 + std::size_t(i) * 12;
        if (!reader.Has(field, 12))
            return 1;
        if (reader.U16(field) != OrientationTag)
            continue;
        if (reader.U16(field + 2) != ShortType || reader.U32(field + 4) != 1)
            return 1;
        const int value = reader.U16(field + 8);
        return value >= 1 && value <= 8 ? value : 1;
    }
    return 1;
}

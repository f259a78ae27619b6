#include "pictures/metafileformat.h"

#include "core/littleendian.h"

#include <cmath>
#include <cstdlib>

namespace {

std::int16_t S16(std::span<const std::uint8_t> d, std::size_t at) {
    return static_cast<std::int16_t>(ReadU16(d, at));
}

std::int32_t S32(std::span<const std::uint8_t> d, std::size_t at) {
    return static_cast<std::int32_t>(ReadU32(d, at));
}

constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr std::uint32_t EmfHeaderRecord = 1;
constexpr std::uint32_t EmfSignature = 0x464D4520; // " EMF"

// The 18-byte header of a plain metafile: type 1 (memory) or 2 (disk), 9 words long,
// version 0x0100 or 0x0300. Its largest record (in words) cannot be longer than the file: the
// metafile library allocates a buffer of that size before reading a record, so a header of a
// few bytes could otherwise ask for gigabytes.
bool PlainHeaderValid(std::span<const std::uint8_t> d, std::size_t at) {
    if (d.size() < at + 18)
        return false;
    const std::uint16_t type = ReadU16(d, at);
    const std::uint16_t version = ReadU16(d, at + 4);
    const std::uint64_t largestRecordBytes = std::uint64_t{ReadU32(d, at + 12)} * 2;
    return (type == 1 || type == 2) && ReadU16(d, at + 2) == 9 &&
           (version == 0x0100 || version == 0x0300) && largestRecordBytes <= d.size() - at;
}

int ToPixels(double value) {
    return static_cast<int>(std::lround(std::abs(value)));
}

} // namespace

std::optional<MetafileSize> ReadMetafileSize(std::span<const std::uint8_t> file, int screenDpi) {
    if (file.size() >= 22 && ReadU32(file, 0) == PlaceableKey) {
        // Placeable: bounding box in logical units, and the units per inch.
        const int inch = ReadU16(file, 14);
        if (inch == 0 || !PlainHeaderValid(file, 22))
            return std::nullopt;
        const int width = S16(file, 10) - S16(file, 6);
        const int height = S16(file, 12) - S16(file, 8);
        return MetafileSize{ToPixels(static_cast<double>(width) * screenDpi / inch),
                            ToPixels(static_cast<double>(height) * screenDpi / inch), false};
    }
    if (file.size() >= 88 && ReadU32(file, 0) == EmfHeaderRecord &&
        ReadU32(file, 40) == EmfSignature) {
        // rclFrame, in hundredths of a millimetre, inclusive.
        const double width = static_cast<double>(S32(file, 32)) - S32(file, 24);
        const double height = static_cast<double>(S32(file, 36)) - S32(file, 28);
        const double perHundredthMm = screenDpi / 2540.0;
        return MetafileSize{ToPixels(width * perHundredthMm), ToPixels(height * perHundredthMm),
                            true};
    }
    if (PlainHeaderValid(file, 0))
        return MetafileSize{0, 0, false};
    return std::nullopt;
}

std::uint64_t CountMetafileRecords(std::span<const std::uint8_t> file, bool enhanced) {
    std::uint64_t records = 0;
    if (enhanced) {
        // Each record: type, then its size in bytes.
        for (std::size_t at = 0; file.size() - at >= 8; ++records) {
            const std::uint64_t size = ReadU32(file, at + 4);
            if (size < 8 || size > file.size() - at)
                break;
            at += static_cast<std::size_t>(size);
        }
        return records;
    }
    std::size_t at = file.size() >= 22 && ReadU32(file, 0) == PlaceableKey ? 22 : 0;
    at += 18;
    // Each record: its size in 16-bit words, then its function; function 0 ends the file.
    while (at <= file.size() && file.size() - at >= 6) {
        const std::uint64_t bytes = std::uint64_t{ReadU32(file, at)} * 2;
        if (bytes < 6 || bytes > file.size() - at)
            break;
        ++records;
        if (ReadU16(file, at + 4) == 0)
            break;
        at += static_cast<std::size_t>(bytes);
    }
    return records;
}

#include "pictures/metafilesvg.h"

#include "core/littleendian.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include <emf2svg.h>

namespace {

// Where the header keeps its description's length in characters and its offset.
constexpr std::size_t DescriptionLengthAt = 60, DescriptionOffsetAt = 64;

// rclBounds, the header's inclusive bounds in device pixels: libemf2svg sizes its SVG to their
// difference, a pixel short of the picture each way.
QRectF BoundsArea(std::span<const std::uint8_t> file) {
    const auto at = [&](std::size_t offset) {
        return static_cast<double>(static_cast<std::int32_t>(ReadU32(file, offset)));
    };
    const double width = at(16) - at(8);
    const double height = at(20) - at(12);
    if (width < 0 || height < 0)
        return {};
    return {0, 0, width + 1, height + 1};
}

// The library trusts the file's own sizes and offsets: a record that runs past the end of the
// file, or a header whose description lies outside the header, makes it read beyond its buffer.
// Such files are refused before it sees them.
bool RecordsWithinFile(std::span<const std::uint8_t> file) {
    std::size_t at = 0;
    while (at < file.size()) {
        if (file.size() - at < 8)
            return false;
        const std::uint64_t size = ReadU32(file, at + 4);
        if (size < 8 || size % 4 != 0 || size > file.size() - at)
            return false;
        if (at == 0) {
            if (size < 88)
                return false;
            const std::uint64_t characters = ReadU32(file, DescriptionLengthAt);
            const std::uint64_t offset = ReadU32(file, DescriptionOffsetAt);
            if (characters != 0 && (offset < 88 || offset + characters * 2 > size))
                return false;
        }
        at += static_cast<std::size_t>(size);
    }
    return true;
}

} // namespace

std::optional<MetafileSvg> EmfToSvg(std::span<const std::uint8_t> file) {
    if (file.size() < 24 || !RecordsWithinFile(file))
        return std::nullopt;
    // The library takes non-const bytes; it gets a copy of its own.
    std::vector<char> contents(file.begin(), file.end());
    // A description of no characters at some offset is read by the library up to the first
    // null character, wherever that lies: such a header gets no description at all.
    if (ReadU32(file, DescriptionLengthAt) == 0)
        std::fill_n(contents.begin() + DescriptionOffsetAt, 4, '\0');
    generatorOptions options{};
    char noNamespace[] = "";
    options.nameSpace = noNamespace;
    options.emfplus = true;
    options.svgDelimiter = true;
    char* out = nullptr;
    std::size_t length = 0;
    const int ok = emf2svg(contents.data(), contents.size(), &out, &length, &options);
    MetafileSvg result;
    if (out != nullptr)
        result.svg = QByteArray(out, static_cast<qsizetype>(length));
    std::free(out);
    if (!ok || result.svg.isEmpty())
        return std::nullopt;
    result.viewBox = BoundsArea(file);
    return result;
}

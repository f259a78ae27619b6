#include "pictures/metafilesvg.h"

#include "core/littleendian.h"

#include <cstdlib>
#include <vector>

#include <emf2svg.h>

namespace {

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

} // namespace

std::optional<MetafileSvg> EmfToSvg(std::span<const std::uint8_t> file) {
    if (file.size() < 24)
        return std::nullopt;
    // The library takes non-const bytes; it gets a copy of its own.
    std::vector<char> contents(file.begin(), file.end());
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

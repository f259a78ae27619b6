// The stored window-shape bytes: any value parses without reading outside it, and rectangles
// that parse are written back to bytes that parse to the same rectangles.

#include "skin/regiondata.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Mask2Value value = ParseMask2(std::span<const std::uint8_t>(data, size));
    if (value.rects) {
        const Mask2Value again = ParseMask2(BuildMask2(value.rects));
        if (again.rects != value.rects)
            std::abort();
    }
    return 0;
}

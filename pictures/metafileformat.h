#pragma once
// Windows metafiles: the size a WMF (placeable or plain) or EMF header declares.

#include <cstdint>
#include <optional>
#include <span>

struct MetafileSize {
    int width = 0; // in screen pixels
    int height = 0;
    bool enhanced = false;
};

// nullopt when the bytes are neither a WMF nor an EMF. screenDpi converts the placeable
// header's logical inches and the EMF frame's hundredths of a millimetre to pixels. A plain
// WMF states no size and reports 0 x 0.
std::optional<MetafileSize> ReadMetafileSize(std::span<const std::uint8_t> file,
                                             int screenDpi = 96);

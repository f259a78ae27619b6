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

// What a metafile may cost. The metafile libraries turn every record into drawing text that Qt
// SVG then parses into objects of its own, at several kilobytes and tens of microseconds a record
// (an EMF of 50,000 lines took 220 MB and a second to load), so a file of a million small records
// (16 MB) would take gigabytes and a minute. Clip art, charts and diagrams stay under the limits;
// the count is taken from the file before any library sees it, the drawing's size after the library
// has made it.
inline constexpr std::uint64_t MaxMetafileRecords = 20'000;
inline constexpr std::int64_t MaxMetafileDrawingBytes = 32'000'000;

// The records of a WMF (after its headers, up to its end record) or an EMF (its header
// included): walked through the records' own sizes up to the end of the file or a size that
// cannot be.
std::uint64_t CountMetafileRecords(std::span<const std::uint8_t> file, bool enhanced);

#pragma once
// How the pixels of one picture reach an output space. Converters are cached by profile, layout
// and output space (a kiosk shows the same few profiles all day); making one costs a few
// milliseconds, a CMYK press profile tens. Safe on any thread.

#include "colour/outputspace.h"
#include "colour/pixelconverter.h"

#include <cstdint>
#include <memory>
#include <span>

struct PictureColour {
    // Null when the decoded pixels are already right: an untagged RGB or grey picture (taken as
    // sRGB) on an sRGB screen, a picture whose profile is sRGB's, or one whose profile cannot
    // be used (it is shown as untagged).
    std::shared_ptr<const PixelConverter> converter;
    // The converter reads the inks (4 bytes a pixel). Otherwise a CMYK picture's inks are first
    // turned into sRGB by the decoder's own formula, as for an untagged one, and the converter
    // (if any) takes that RGB on to the output space.
    bool takesInk = false;
};

// icc: the embedded profile, empty when the picture carries none.
PictureColour ColourFor(std::span<const std::uint8_t> icc, PixelLayout layout, OutputSpace space);

// How many converters are cached now (the tests check that a profile is made once).
int CachedConverters();

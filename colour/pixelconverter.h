#pragma once
// Turns rows of decoded pixels into an output space. Made once per profile and shared by every
// decode that needs it, on any thread at once: Convert changes nothing but its output.

#include <cstdint>

// How the decoder delivers a picture's pixels.
enum class PixelLayout {
    Grey,         // 1 byte a pixel
    Rgb,          // 3 bytes
    Cmyk,         // 4 bytes of ink, 0 none
    CmykInverted, // 4 bytes, 255 none (Adobe's marker: Photoshop and libjpeg write inks so)
};

class PixelConverter {
public:
    virtual ~PixelConverter();
    // width pixels from in to out: 3 bytes R, G, B a pixel (grey pictures: 1 byte, they stay
    // grey). in may be out when both have the same bytes a pixel.
    virtual void Convert(const std::uint8_t* in, std::uint8_t* out, int width) const = 0;
};

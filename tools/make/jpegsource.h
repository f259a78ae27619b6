#pragma once
// Reading the photographs that come in as JPEG: what they are, and decoding them already
// shrunk by libjpeg's DCT scaling, which costs a fraction of a full decode.

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

struct JpegFacts {
    int width = 0, height = 0; // as stored, before any turning
    bool baseline = false;     // sequential Huffman coding
    bool grayscale = false;
    bool cmyk = false;   // CMYK or YCCK: needs converting
    int orientation = 1; // EXIF, 1..8
};

// "" when the header reads, otherwise libjpeg's message.
std::string ProbeJpeg(const std::vector<std::uint8_t>& bytes, JpegFacts& facts);

// The smallest scale n/8 (n in 1..8) whose output still covers minWidth x minHeight.
int ScaleEighths(const JpegFacts& facts, int minWidth, int minHeight);

// Decodes at n/8 of the stored size into RGB888 (Grayscale8 for gray pictures), in sRGB: an
// embedded profile is honoured as the viewer honours it. "" or libjpeg's message.
std::string DecodeJpegScaled(const std::vector<std::uint8_t>& bytes, const JpegFacts& facts,
                             int eighths, QImage& image);

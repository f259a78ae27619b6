#pragma once
// Readers for the asset files, written from the formats themselves so that the tests do not
// share a mistake with the generator: the embedded picture wrapper, BMP headers and pixels,
// JPEG markers, and JPEG pixels through libjpeg.

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// The whole file; empty when it cannot be read.
Bytes ReadFileBytes(const std::string& path);

struct EmbeddedPicture {
    bool valid = false; // the length byte, name, count and payload are all present
    std::string className;
    std::uint32_t declaredSize = 0;
    Bytes file;          // the picture file the wrapper carries
    size_t trailing = 0; // bytes after the declared payload
};
EmbeddedPicture ReadEmbeddedPicture(const Bytes& bytes);

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};
std::string ToString(const Rgb& colour);
int Distance(const Rgb& a, const Rgb& b); // the largest channel difference

struct BmpFile {
    bool valid = false;
    char magic[2] = {0, 0};
    std::uint32_t fileSizeField = 0, pixelOffset = 0, headerSize = 0;
    std::int32_t width = 0, height = 0;
    std::uint16_t planes = 0, bitsPerPixel = 0;
    std::uint32_t compression = 0, imageSize = 0;
    std::int32_t xPixelsPerMetre = 0, yPixelsPerMetre = 0;
    std::uint32_t coloursUsed = 0, coloursImportant = 0;
    size_t actualSize = 0;
    Bytes data;
    // The pixel at column x, row y counted from the top of the picture.
    Rgb At(int x, int y) const;
};
BmpFile ReadBmp(const Bytes& bytes);

struct JpegMarkers {
    bool startsWithSoi = false;
    bool jfif = false;
    int densityUnits = -1, xDensity = 0, yDensity = 0;
    int frameMarker = 0; // 0xC0 for baseline
    int precision = 0, width = 0, height = 0, components = 0;
    bool endsWithEoi = false;
};
JpegMarkers ReadJpegMarkers(const Bytes& bytes);

struct DecodedJpeg {
    bool valid = false;
    int width = 0, height = 0;
    std::vector<Rgb> pixels;
    Rgb At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
DecodedJpeg DecodeJpeg(const Bytes& bytes);

// Where the sources lie, set by the build.
std::string PicturesDir();
std::string DemoDir();

// The wrapper, then the BMP it carries, of "<name>.pic" under the pictures folder.
BmpFile Background(const std::string& name);
DecodedJpeg BuiltInJpeg(const std::string& name);

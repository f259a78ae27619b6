#pragma once
// One sRGB "photograph" and the same picture as a museum's workflow delivers it: converted with
// Little CMS into Adobe RGB, ProPhoto RGB or a CMYK press profile and saved as a JPEG with that
// profile embedded. The profiles come from Debian's colord-data and ghostscript.

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

inline const std::string AdobeRgbProfile = "/usr/share/color/icc/colord/AdobeRGB1998.icc";
inline const std::string ProPhotoProfile = "/usr/share/color/icc/colord/ProPhotoRGB.icc";
inline const std::string PressCmykProfile = "/usr/share/color/icc/ghostscript/default_cmyk.icc";
inline const std::string SrgbProfile = "/usr/share/color/icc/colord/sRGB.icc";

std::vector<std::uint8_t> ReadProfile(const std::string& path);

// width*height*3 bytes: smooth gradients of moderately saturated colours, as in a painting.
std::vector<std::uint8_t> PhotoPixels(int width, int height);
// The pixels as an untagged sRGB JPEG, full-resolution chroma, quality 95.
std::vector<std::uint8_t> SrgbJpeg(const std::vector<std::uint8_t>& rgb, int width, int height);
// The sRGB pixels converted into the profile's space (RGB or CMYK, perceptual with black-point
// compensation) and saved with the profile embedded, quality 95. A CMYK file is written as
// Photoshop does: inks inverted under Adobe's marker.
std::vector<std::uint8_t> TaggedJpeg(const std::vector<std::uint8_t>& rgb, int width, int height,
                                     const std::vector<std::uint8_t>& icc);
// The sRGB pixels converted into an RGB profile's numbers (what a tagged file holds).
std::vector<std::uint8_t> ConvertedPixels(const std::vector<std::uint8_t>& rgb,
                                          const std::vector<std::uint8_t>& icc);

// The original and its three tagged versions, with the mean difference each may show against
// the original (a press gamut cannot hold every colour).
struct TaggedVersion {
    const char* file;
    std::string profile; // empty for the original, srgb.jpg
    double limit;
};
inline const TaggedVersion TaggedVersions[] = {{"srgb.jpg", {}, 0},
                                               {"adobe.jpg", AdobeRgbProfile, 3},
                                               {"prophoto.jpg", ProPhotoProfile, 3},
                                               {"cmyk.jpg", PressCmykProfile, 8}};
// Writes PhotoPixels(width, height) as each version into folder.
void WriteTaggedVersions(const std::filesystem::path& folder, int width, int height);

// The mean difference over every channel of every pixel, in levels of 255; the images are
// compared as RGB at the size of a (b scaled to it when it differs).
double MeanDifference(const QImage& a, const QImage& b);
QImage RgbImage(const std::vector<std::uint8_t>& rgb, int width, int height);

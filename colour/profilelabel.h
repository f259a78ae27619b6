#pragma once
// A picture's colour space in words, for vendral-check's listing.

#include "colour/pixelconverter.h"

#include <cstdint>
#include <span>
#include <string>

// "untagged" (no profile; "untagged CMYK" for inks), "sRGB" (a profile that gives sRGB's
// colours), the profile's own description ("Adobe RGB (1998)", "ProPhoto RGB", ...), or
// "profile not usable" when Little CMS refuses it or it does not fit the pixels.
std::string ProfileLabel(std::span<const std::uint8_t> icc, PixelLayout layout);

// The label of a JPEG's colours as read by ReadJpegColourFacts (jpegprofile.h).
struct JpegColourFacts;
std::string JpegColourLabel(const JpegColourFacts& facts);

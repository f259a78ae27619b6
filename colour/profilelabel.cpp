#include "colour/profilelabel.h"

#include "colour/jpegprofile.h"
#include "colour/lcmsprofiles.h"

#include <vector>

namespace {

std::string Description(cmsHPROFILE profile) {
    const cmsUInt32Number size =
        cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", nullptr, 0);
    if (size <= 1)
        return {};
    std::vector<char> text(size);
    cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", text.data(), size);
    std::string description(text.data());
    while (!description.empty() && description.back() == ' ')
        description.pop_back();
    return description;
}

} // namespace

std::string ProfileLabel(std::span<const std::uint8_t> icc, PixelLayout layout) {
    const bool ink = layout == PixelLayout::Cmyk || layout == PixelLayout::CmykInverted;
    if (icc.empty())
        return ink ? "untagged CMYK" : "untagged";
    const ProfileHandle profile = OpenProfile(icc);
    const ProfileHandle srgb = SrgbProfile();
    const TransformHandle transform =
        profile ? MakeTransform(profile.get(), layout, srgb.get()) : nullptr;
    if (!transform)
        return "profile not usable";
    if (layout == PixelLayout::Rgb && DistanceFromIdentity(transform.get()) <= 1)
        return "sRGB";
    std::string description = Description(profile.get());
    if (!description.empty())
        return description;
    return layout == PixelLayout::Grey ? "grey profile" : ink ? "CMYK profile" : "RGB profile";
}

std::string JpegColourLabel(const JpegColourFacts& facts) {
    if (!facts.readable)
        return "not a readable JPEG";
    PixelLayout layout = facts.grey ? PixelLayout::Grey : PixelLayout::Rgb;
    if (facts.ink)
        layout = facts.inverted ? PixelLayout::CmykInverted : PixelLayout::Cmyk;
    return ProfileLabel(facts.icc, layout);
}

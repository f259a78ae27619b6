#include "colour/lcmsprofiles.h"

#include <algorithm>
#include <array>
#include <cstdlib>

ProfileHandle OpenProfile(std::span<const std::uint8_t> icc) {
    if (icc.empty())
        return nullptr;
    return ProfileHandle(
        cmsOpenProfileFromMem(icc.data(), static_cast<cmsUInt32Number>(icc.size())));
}

ProfileHandle SrgbProfile() {
    return ProfileHandle(cmsCreate_sRGBProfile());
}

ProfileHandle OutputProfile(std::span<const std::uint8_t> icc) {
    return icc.empty() ? SrgbProfile() : OpenProfile(icc);
}

bool FitsLayout(cmsHPROFILE profile, PixelLayout layout) {
    switch (cmsGetDeviceClass(profile)) {
    case cmsSigLinkClass:
    case cmsSigAbstractClass:
    case cmsSigNamedColorClass:
        return false;
    default:
        break;
    }
    const cmsColorSpaceSignature space = cmsGetColorSpace(profile);
    switch (layout) {
    case PixelLayout::Grey:
        return space == cmsSigGrayData;
    case PixelLayout::Rgb:
        return space == cmsSigRgbData;
    case PixelLayout::Cmyk:
    case PixelLayout::CmykInverted:
        return space == cmsSigCmykData;
    }
    return false;
}

TransformHandle MakeTransform(cmsHPROFILE in, PixelLayout layout, cmsHPROFILE out) {
    if (!FitsLayout(in, layout) || !FitsLayout(out, PixelLayout::Rgb))
        return nullptr;
    cmsUInt32Number format = TYPE_RGB_8;
    if (layout == PixelLayout::Grey)
        format = TYPE_GRAY_8;
    else if (layout == PixelLayout::Cmyk)
        format = TYPE_CMYK_8;
    else if (layout == PixelLayout::CmykInverted)
        format = TYPE_CMYK_8_REV;
    return TransformHandle(cmsCreateTransform(in, format, out, TYPE_RGB_8, INTENT_PERCEPTUAL,
                                              cmsFLAGS_BLACKPOINTCOMPENSATION));
}

const std::vector<std::uint8_t>& ProbeColours() {
    static const std::vector<std::uint8_t> colours = [] {
        constexpr std::array<std::uint8_t, 19> levels = {0,  1,  2,  3,  4,   6,   8,   12,  16, 24,
                                                         32, 48, 64, 96, 128, 160, 192, 224, 255};
        std::vector<std::uint8_t> all;
        all.reserve(levels.size() * levels.size() * levels.size() * 3);
        for (const std::uint8_t r : levels)
            for (const std::uint8_t g : levels)
                for (const std::uint8_t b : levels)
                    all.insert(all.end(), {r, g, b});
        return all;
    }();
    return colours;
}

int DistanceFromIdentity(cmsHTRANSFORM transform) {
    const std::vector<std::uint8_t>& in = ProbeColours();
    std::vector<std::uint8_t> out(in.size());
    cmsDoTransform(transform, in.data(), out.data(), static_cast<cmsUInt32Number>(in.size() / 3));
    int distance = 0;
    for (std::size_t i = 0; i < in.size(); ++i)
        distance = std::max(distance, std::abs(int(in[i]) - int(out[i])));
    return distance;
}

#pragma once
// Little CMS objects held by unique handles, and the steps every converter starts from.

#include "colour/pixelconverter.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include <lcms2.h>

struct ProfileCloser {
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using ProfileHandle = std::unique_ptr<void, ProfileCloser>;

struct TransformDeleter {
    void operator()(void* transform) const { cmsDeleteTransform(transform); }
};
using TransformHandle = std::unique_ptr<void, TransformDeleter>;

// The profile, or null when Little CMS cannot parse it.
ProfileHandle OpenProfile(std::span<const std::uint8_t> icc);
// Little CMS's own sRGB.
ProfileHandle SrgbProfile();
// The output profile of icc: sRGB when icc is empty.
ProfileHandle OutputProfile(std::span<const std::uint8_t> icc);

// Whether the profile can describe pixels of the layout: its data colour space matches and it
// is a profile of a device (not a link, an abstract or a named-colour profile).
bool FitsLayout(cmsHPROFILE profile, PixelLayout layout);

// Perceptual intent with black-point compensation, 8 bits in, 8-bit RGB out; null when Little
// CMS refuses the pair.
TransformHandle MakeTransform(cmsHPROFILE in, PixelLayout layout, cmsHPROFILE out);

// RGB colours that probe a transform: every channel at 19 levels, dense near black where the
// curves are steepest. 3 bytes a colour.
const std::vector<std::uint8_t>& ProbeColours();

// The largest difference, in levels, between an RGB-to-RGB transform and doing nothing, over
// the probe colours.
int DistanceFromIdentity(cmsHTRANSFORM transform);

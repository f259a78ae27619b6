#include "colour/outputspace.h"

#include "colour/lcmsprofiles.h"

#include <mutex>

namespace {

std::mutex& Lock() {
    static std::mutex mutex;
    return mutex;
}

// Empty while the screen is sRGB.
std::vector<std::uint8_t>& Screen() {
    static std::vector<std::uint8_t> icc;
    return icc;
}

unsigned& Generation() {
    static unsigned generation = 0;
    return generation;
}

// A profile the screen can use: RGB, an output Little CMS accepts, and not merely sRGB again
// (colour daemons often announce an sRGB profile; then nothing needs converting).
bool UsableScreenProfile(const std::vector<std::uint8_t>& icc) {
    const ProfileHandle screen = OpenProfile(icc);
    const ProfileHandle srgb = SrgbProfile();
    if (!screen || !srgb)
        return false;
    const TransformHandle transform = MakeTransform(srgb.get(), PixelLayout::Rgb, screen.get());
    return transform && DistanceFromIdentity(transform.get()) > 1;
}

} // namespace

bool SetScreenProfile(std::vector<std::uint8_t> icc) {
    const bool usable = !icc.empty() && UsableScreenProfile(icc);
    const std::lock_guard lock(Lock());
    Screen() = usable ? std::move(icc) : std::vector<std::uint8_t>();
    ++Generation();
    return usable;
}

bool ScreenIsSrgb() {
    const std::lock_guard lock(Lock());
    return Screen().empty();
}

OutputProfileBytes CurrentOutput(OutputSpace space) {
    const std::lock_guard lock(Lock());
    return {space == OutputSpace::Screen ? Screen() : std::vector<std::uint8_t>(), Generation()};
}

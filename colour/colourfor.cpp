#include "colour/colourfor.h"

#include "colour/lcmsprofiles.h"
#include "colour/matrixshaper.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

namespace {

// The fast path may differ from Little CMS by a rounding step, never by more.
constexpr int FastPathTolerance = 1;
// Distinct profiles a kiosk shows are few; a hostile folder of thousands must not fill memory.
constexpr std::size_t CacheSize = 16;

class LcmsConverter : public PixelConverter {
public:
    explicit LcmsConverter(TransformHandle transform) : transform_(std::move(transform)) {}
    void Convert(const std::uint8_t* in, std::uint8_t* out, int width) const override {
        // Each call keeps its own copy of the transform's cache: safe on several threads.
        cmsDoTransform(transform_.get(), in, out, static_cast<cmsUInt32Number>(width));
    }

private:
    TransformHandle transform_;
};

// Grey pictures stay grey: each level becomes the grey the output shows for it.
class GreyConverter : public PixelConverter {
public:
    explicit GreyConverter(const std::array<std::uint8_t, 256>& levels) : levels_(levels) {}
    void Convert(const std::uint8_t* in, std::uint8_t* out, int width) const override {
        for (int x = 0; x < width; ++x)
            out[x] = levels_[in[x]];
    }

private:
    std::array<std::uint8_t, 256> levels_;
};

int Distance(const PixelConverter& converter, cmsHTRANSFORM transform) {
    const std::vector<std::uint8_t>& in = ProbeColours();
    std::vector<std::uint8_t> fast(in.size()), exact(in.size());
    const int count = static_cast<int>(in.size() / 3);
    converter.Convert(in.data(), fast.data(), count);
    cmsDoTransform(transform, in.data(), exact.data(), static_cast<cmsUInt32Number>(count));
    int distance = 0;
    for (std::size_t i = 0; i < in.size(); ++i)
        distance = std::max(distance, std::abs(int(fast[i]) - int(exact[i])));
    return distance;
}

std::shared_ptr<const PixelConverter> RgbConverter(cmsHPROFILE in, cmsHPROFILE out,
                                                   TransformHandle transform) {
    if (DistanceFromIdentity(transform.get()) <= 1)
        return nullptr;
    if (std::unique_ptr<PixelConverter> fast = MakeMatrixShaper(in, out);
        fast && Distance(*fast, transform.get()) <= FastPathTolerance)
        return fast;
    return std::make_shared<LcmsConverter>(std::move(transform));
}

// Grey levels through a transform from grey (a grey profile) or from RGB (sRGB for an
// untagged grey picture), as the mean of the RGB the output gives them. Nothing when Little
// CMS refuses the transform; null when the levels stay as they are.
std::optional<std::shared_ptr<const PixelConverter>> GreyLevels(cmsHPROFILE in, PixelLayout layout,
                                                                cmsHPROFILE out) {
    const TransformHandle transform = MakeTransform(in, layout, out);
    if (!transform)
        return std::nullopt;
    const std::size_t channels = layout == PixelLayout::Grey ? 1 : 3;
    std::vector<std::uint8_t> levels(256 * channels);
    for (std::size_t i = 0; i < levels.size(); ++i)
        levels[i] = static_cast<std::uint8_t>(i / channels);
    std::vector<std::uint8_t> rgb(256 * 3);
    cmsDoTransform(transform.get(), levels.data(), rgb.data(), 256);
    std::array<std::uint8_t, 256> table{};
    bool identity = true;
    for (int v = 0; v < 256; ++v) {
        table[v] =
            static_cast<std::uint8_t>((rgb[v * 3] + rgb[v * 3 + 1] + rgb[v * 3 + 2] + 1) / 3);
        identity = identity && std::abs(table[v] - v) <= 1;
    }
    if (identity)
        return nullptr;
    return std::make_shared<GreyConverter>(table);
}

PictureColour Make(std::span<const std::uint8_t> icc, PixelLayout layout,
                   const std::vector<std::uint8_t>& output) {
    const ProfileHandle out = OutputProfile(output);
    if (!out)
        return {};
    ProfileHandle in = OpenProfile(icc);
    if (in && FitsLayout(in.get(), layout)) {
        if (layout == PixelLayout::Cmyk || layout == PixelLayout::CmykInverted) {
            if (TransformHandle transform = MakeTransform(in.get(), layout, out.get()))
                return {std::make_shared<LcmsConverter>(std::move(transform)), true};
        } else if (layout == PixelLayout::Grey) {
            if (auto converter = GreyLevels(in.get(), layout, out.get()))
                return {*converter};
        } else if (TransformHandle transform = MakeTransform(in.get(), layout, out.get())) {
            return {RgbConverter(in.get(), out.get(), std::move(transform))};
        }
    }
    // No profile, or one Little CMS refuses or that describes other pixels: untagged, which
    // is sRGB, as is what the decoder's ink formula makes.
    if (output.empty())
        return {};
    const ProfileHandle srgb = SrgbProfile();
    if (layout == PixelLayout::Grey)
        return {GreyLevels(srgb.get(), PixelLayout::Rgb, out.get()).value_or(nullptr)};
    TransformHandle transform = MakeTransform(srgb.get(), PixelLayout::Rgb, out.get());
    return {transform ? RgbConverter(srgb.get(), out.get(), std::move(transform)) : nullptr};
}

struct Entry {
    std::vector<std::uint8_t> icc;
    PixelLayout layout;
    OutputSpace space;
    PictureColour colour;
};

struct Cache {
    std::mutex mutex;
    std::deque<Entry> entries; // most recently used first
    unsigned generation = 0;
};

Cache& TheCache() {
    static Cache cache;
    return cache;
}

bool Matches(const Entry& entry, std::span<const std::uint8_t> icc, PixelLayout layout,
             OutputSpace space) {
    return entry.layout == layout && entry.space == space && entry.icc.size() == icc.size() &&
           std::equal(icc.begin(), icc.end(), entry.icc.begin());
}

} // namespace

PictureColour ColourFor(std::span<const std::uint8_t> icc, PixelLayout layout, OutputSpace space) {
    // An sRGB screen and paper are the same space: one converter serves both.
    if (space == OutputSpace::Screen && ScreenIsSrgb())
        space = OutputSpace::Srgb;
    const OutputProfileBytes output = CurrentOutput(space);
    Cache& cache = TheCache();
    {
        const std::lock_guard lock(cache.mutex);
        if (cache.generation != output.generation) {
            cache.entries.clear();
            cache.generation = output.generation;
        }
        for (auto entry = cache.entries.begin(); entry != cache.entries.end(); ++entry) {
            if (Matches(*entry, icc, layout, space)) {
                Entry found = std::move(*entry);
                cache.entries.erase(entry);
                cache.entries.push_front(std::move(found));
                return cache.entries.front().colour;
            }
        }
    }
    // Made outside the lock: a press profile takes a while, and other decodes go on meanwhile.
    PictureColour made = Make(icc, layout, output.icc);
    const std::lock_guard lock(cache.mutex);
    if (cache.generation != output.generation)
        return made;
    for (const Entry& entry : cache.entries) {
        if (Matches(entry, icc, layout, space))
            return entry.colour; // made meanwhile on another thread
    }
    cache.entries.push_front(
        {std::vector<std::uint8_t>(icc.begin(), icc.end()), layout, space, made});
    if (cache.entries.size() > CacheSize)
        cache.entries.pop_back();
    return made;
}

int CachedConverters() {
    Cache& cache = TheCache();
    const std::lock_guard lock(cache.mutex);
    return static_cast<int>(cache.entries.size());
}

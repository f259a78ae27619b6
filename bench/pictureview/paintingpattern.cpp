#include "bench/pictureview/paintingpattern.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace {

// A sum of two sine waves sampled at 0..length-1: a broad one and a short "stroke" one.
std::vector<int> Waves(int length, double broadPeriod, double broadAmplitude, double strokePeriod,
                       double strokeAmplitude, double phase) {
    std::vector<int> values(static_cast<std::size_t>(std::max(length, 0)));
    constexpr double turn = 2 * std::numbers::pi;
    for (int i = 0; i < length; ++i) {
        values[static_cast<std::size_t>(i)] = static_cast<int>(
            std::lround(broadAmplitude * std::sin(turn * i / broadPeriod + phase) +
                        strokeAmplitude * std::sin(turn * i / strokePeriod + 2.3 * phase)));
    }
    return values;
}

// One channel, tabulated along x, along y and along both diagonals, so a pixel costs four
// look-ups while the pattern still varies in every direction.
struct Channel {
    std::vector<int> alongX, alongY, rising, falling;
};

Channel MakeChannel(int width, int height, int seed, int channel) {
    const double phase = 0.9 * seed + 2.1 * channel;
    const double size = std::max(width, height);
    return {Waves(width, width * 0.9, 55, 37 + 4 * channel, 8, phase),
            Waves(height, height * 0.7, 45, 29 + 3 * channel, 6, phase + 1.3),
            Waves(width + height, size * 0.35, 30, 13 + 2 * channel, 12, phase + 0.4),
            Waves(width + height, size * 0.5, 25, 19 + channel, 9, phase + 2.7)};
}

} // namespace

std::vector<std::uint8_t> PaintingPixels(int width, int height, int seed) {
    if (width <= 0 || height <= 0)
        return {};
    const Channel channels[3] = {MakeChannel(width, height, seed, 0),
                                 MakeChannel(width, height, seed, 1),
                                 MakeChannel(width, height, seed, 2)};
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    std::uint32_t noise = 2463534242u + static_cast<std::uint32_t>(seed) * 7919u;
    std::uint8_t* out = rgb.data();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            for (int c = 0; c < 3; ++c) {
                const Channel& waves = channels[c];
                // Grain of -8..7, a different nibble of the draw for each channel.
                const int grain = static_cast<int>((noise >> (20 + 4 * c)) & 15u) - 8;
                const int value = 128 + waves.alongX[x] + waves.alongY[y] + waves.rising[x + y] +
                                  waves.falling[x - y + height - 1] + grain;
                *out++ = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
            }
        }
    }
    return rgb;
}

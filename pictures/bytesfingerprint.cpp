#include "pictures/bytesfingerprint.h"

#include <cstring>

namespace {

constexpr std::uint64_t Prime1 = 0x9E3779B185EBCA87ULL;
constexpr std::uint64_t Prime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr std::uint64_t Prime3 = 0x165667B19E3779F9ULL;

std::uint64_t Rotate(std::uint64_t value, int bits) {
    return (value << bits) | (value >> (64 - bits));
}

std::uint64_t Load(const std::uint8_t* data) {
    std::uint64_t value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

// One word into one lane: multiply, rotate, multiply, so every input bit reaches the whole lane.
std::uint64_t Round(std::uint64_t lane, std::uint64_t word) {
    lane += word * Prime2;
    lane = Rotate(lane, 31);
    return lane * Prime1;
}

std::uint64_t Avalanche(std::uint64_t value) {
    value ^= value >> 33;
    value *= Prime2;
    value ^= value >> 29;
    value *= Prime3;
    value ^= value >> 32;
    return value;
}

} // namespace

std::uint64_t BytesFingerprint(const std::uint8_t* data, std::size_t size) {
    // Four independent lanes keep the multipliers busy in parallel.
    std::uint64_t lanes[4] = {Prime1 + Prime2, Prime2, 0, 0 - Prime1};
    std::size_t at = 0;
    for (; at + 32 <= size; at += 32) {
        for (int i = 0; i < 4; ++i)
            lanes[i] = Round(lanes[i], Load(data + at + 8 * i));
    }
    std::uint64_t hash = Rotate(lanes[0], 1) + Rotate(lanes[1], 7) + Rotate(lanes[2], 12) +
                         Rotate(lanes[3], 18) + static_cast<std::uint64_t>(size) * Prime3;
    for (; at + 8 <= size; at += 8)
        hash = Rotate(hash ^ Round(0, Load(data + at)), 27) * Prime1 + Prime3;
    for (; at < size; ++at)
        hash = Rotate(hash ^ (data[at] * Prime3), 11) * Prime1;
    return Avalanche(hash);
}

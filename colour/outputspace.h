#pragma once
// Where decoded pixels go. The screen is sRGB unless the X screen announces a profile of its
// own; paper (through CUPS) and the JPEGs vendral-make writes are always sRGB.

#include <cstdint>
#include <vector>

enum class OutputSpace { Screen, Srgb };

// The screen's profile (the bytes of an ICC file). Empty bytes, or a profile Little CMS cannot
// use as an RGB output, leave the screen sRGB; returns whether the profile is used. Meant to be
// called once before pictures are decoded; a later call drops every converter made so far.
bool SetScreenProfile(std::vector<std::uint8_t> icc);

// True while the screen is plain sRGB (no usable profile of its own): then both output spaces
// give the same pixels.
bool ScreenIsSrgb();

// For the converters: the profile an output space stands for now (empty: sRGB), and how often
// the screen's profile has been set, so that converters made for an earlier one are dropped.
struct OutputProfileBytes {
    std::vector<std::uint8_t> icc;
    unsigned generation = 0;
};
OutputProfileBytes CurrentOutput(OutputSpace space);

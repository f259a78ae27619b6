#pragma once
// The colour profile the X screen announces: the _ICC_PROFILE property of the root window,
// which colour-management daemons and calibration tools set. Read once at start-up; the
// pictures shown on screen are then converted to it (colour/colour.h), the printed page not.

#include <cstdint>
#include <vector>

// The property's bytes; empty when the program does not run on X or the root window carries
// none. GUI thread, once the application object exists.
std::vector<std::uint8_t> ReadScreenProfile();

// Reads the profile and gives it to the colour converters, the first time only: later calls
// do nothing. Returns whether the screen has a profile of its own in use.
bool UseScreenProfile();

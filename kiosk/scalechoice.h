#pragma once
// The scale that fills a kiosk's screen: the largest step of 0.25 at which every window of the
// program still fits the screen whole, so that no visitor meets a cut window.

#include <vector>

struct WindowExtent {
    // What a window covers from the screen's corner at scale 1: its size, plus its position
    // for a window placed at a fixed point.
    int width = 0;
    int height = 0;
};

// At least 0.25, even where nothing fits.
double FittingScale(int screenWidth, int screenHeight, const std::vector<WindowExtent>& windows);

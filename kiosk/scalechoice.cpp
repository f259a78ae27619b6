#include "kiosk/scalechoice.h"

#include <algorithm>
#include <cmath>

double FittingScale(int screenWidth, int screenHeight, const std::vector<WindowExtent>& windows) {
    constexpr double Step = 0.25;
    double fit = 8;
    for (const WindowExtent& window : windows) {
        if (window.width > 0)
            fit = std::min(fit, static_cast<double>(screenWidth) / window.width);
        if (window.height > 0)
            fit = std::min(fit, static_cast<double>(screenHeight) / window.height);
    }
    return std::max(Step, std::floor(fit / Step) * Step);
}

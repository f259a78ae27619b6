#include "pictures/jpegscale.h"

#include <initializer_list>

int JpegScaledSide(int side, int denominator) {
    return static_cast<int>((static_cast<long long>(side) + denominator - 1) / denominator);
}

int SmallestCoveringScale(int width, int height, int targetWidth, int targetHeight) {
    for (int denominator : {8, 4, 2}) {
        if (JpegScaledSide(width, denominator) >= targetWidth &&
            JpegScaledSide(height, denominator) >= targetHeight)
            return denominator;
    }
    return 1;
}

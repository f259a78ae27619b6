#include "mainwindow/thumbnailfit.h"

static_assert(sizeof(long double) > sizeof(double),
              "the thumbnail fit needs extended-precision long double");

ThumbnailPlacement FitThumbnail(int pictureWidth, int pictureHeight, int boxLeft, int boxTop) {
    double w = pictureWidth;
    double h = pictureHeight;
    if (w > ThumbnailBox) {
        const long double q = static_cast<long double>(ThumbnailBox) / w;
        h = static_cast<double>(q * h);
        w = ThumbnailBox;
    }
    if (h > ThumbnailBox) {
        const long double r = static_cast<long double>(h) / ThumbnailBox;
        w = static_cast<double>(w / r);
        h = ThumbnailBox;
    }
    const int width = static_cast<int>(w);
    const int height = static_cast<int>(h);
    return {boxLeft + (ThumbnailBox - width) / 2, boxTop + (ThumbnailBox - height) / 2, width,
            height};
}

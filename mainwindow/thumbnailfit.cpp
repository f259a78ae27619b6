#include "mainwindow/thumbnailfit.h"

static_assert(sizeof(long double) > sizeof(double),
              "the thumbnail fit needs extended-precision long double");

ThumbnailPlacement FitThumbnail(int pictureWidth, int pictureHeight, const ThumbnailBox& box) {
    double w = pictureWidth;
    double h = pictureHeight;
    if (w > box.width) {
        const long double q = static_cast<long double>(box.width) / w;
        h = static_cast<double>(q * h);
        w = box.width;
    }
    if (h > box.height) {
        const long double r = static_cast<long double>(h) / box.height;
        w = static_cast<double>(w / r);
        h = box.height;
    }
    const int width = static_cast<int>(w);
    const int height = static_cast<int>(h);
    return {box.left + (box.width - width) / 2, box.top + (box.height - height) / 2, width, height};
}

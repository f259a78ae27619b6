#include "pageimage.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {
bool IsInk(QRgb pixel) {
    return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 160;
}
} // namespace

PageImage::PageImage(QImage image, double pixelsPerMm)
    : image_(image.convertToFormat(QImage::Format_RGB32)), pixelsPerMm_(pixelsPerMm) {}

QRect PageImage::Pixels(const QRectF& regionMm) const {
    const int left = int(std::floor(regionMm.left() * pixelsPerMm_));
    const int top = int(std::floor(regionMm.top() * pixelsPerMm_));
    const int right = int(std::ceil(regionMm.right() * pixelsPerMm_));
    const int bottom = int(std::ceil(regionMm.bottom() * pixelsPerMm_));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).intersected(image_.rect());
}

std::optional<QRectF> PageImage::InkBounds(const QRectF& regionMm) const {
    const QRect region = Pixels(regionMm);
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        for (int x = region.left(); x <= region.right(); ++x) {
            if (IsInk(line[x])) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (left == INT_MAX)
        return std::nullopt;
    return QRectF(left / pixelsPerMm_, top / pixelsPerMm_, (right + 1 - left) / pixelsPerMm_,
                  (bottom + 1 - top) / pixelsPerMm_);
}

QColor PageImage::ColourAt(double xMm, double yMm) const {
    const QRect square = Pixels(QRectF(xMm - 0.2, yMm - 0.2, 0.4, 0.4));
    long red = 0, green = 0, blue = 0, count = 0;
    for (int y = square.top(); y <= square.bottom(); ++y) {
        for (int x = square.left(); x <= square.right(); ++x) {
            const QRgb pixel = image_.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
            ++count;
        }
    }
    if (count == 0)
        return {};
    return QColor(int(red / count), int(green / count), int(blue / count));
}

bool Near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

#include "print/printgeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace printgeometry {

int TenthsToPixels(double tenths, int dpi) {
    return static_cast<int>(std::lround(tenths * dpi / TenthsPerInch));
}

int PaperXToDevice(double tenths, const DeviceMetrics& device) {
    return TenthsToPixels(tenths, device.dpiX) - device.originX;
}

int PaperYToDevice(double tenths, const DeviceMetrics& device) {
    return TenthsToPixels(tenths, device.dpiY) - device.originY;
}

DeviceRect PaperRectToDevice(const PaperRect& rect, const DeviceMetrics& device) {
    const int left = PaperXToDevice(rect.left, device);
    const int top = PaperYToDevice(rect.top, device);
    const int right = PaperXToDevice(rect.left + rect.width, device);
    const int bottom = PaperYToDevice(rect.top + rect.height, device);
    return {left, top, right - left, bottom - top};
}

int ScreenToDevicePixels(int pixels, int deviceDpi, int screenDpi) {
    if (screenDpi <= 0)
        return 0;
    // 64-bit product: a 30000-pixel picture at 2400 dpi still fits.
    const std::int64_t product = std::int64_t{pixels} * deviceDpi;
    const std::int64_t half = screenDpi / 2;
    const std::int64_t rounded =
        product >= 0 ? (product + half) / screenDpi : -((-product + half) / screenDpi);
    return static_cast<int>(rounded);
}

int FontPixelSize(int designHeight, int deviceDpi) {
    return ScreenToDevicePixels(std::abs(designHeight), deviceDpi, DesignDpi);
}

DeviceRect Intersect(const DeviceRect& a, const DeviceRect& b) {
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.Right(), b.Right());
    const int bottom = std::min(a.Bottom(), b.Bottom());
    if (right <= left || bottom <= top)
        return {left, top, 0, 0};
    return {left, top, right - left, bottom - top};
}

PicturePlacement PlacePicture(const PaperRect& box, int pictureWidth, int pictureHeight,
                              const DeviceMetrics& device, int screenDpiX, int screenDpiY) {
    PicturePlacement placement;
    placement.box = PaperRectToDevice(box, device);
    placement.picture = {placement.box.left, placement.box.top,
                         ScreenToDevicePixels(std::max(pictureWidth, 0), device.dpiX, screenDpiX),
                         ScreenToDevicePixels(std::max(pictureHeight, 0), device.dpiY, screenDpiY)};
    placement.visible = Intersect(placement.picture, placement.box);
    return placement;
}

} // namespace printgeometry

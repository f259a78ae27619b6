#pragma once
// Where the print page's elements land in device pixels. The layout is stored in tenths of a
// millimetre measured from the paper's edges; a device draws from its own origin, which may lie
// inside the paper by the printer's unprintable margin, so that margin is subtracted here.

namespace printgeometry {

inline constexpr double TenthsPerInch = 254.0;
// Pictures and fonts of the layout were designed on a 96 dpi grid.
inline constexpr int DesignDpi = 96;

struct DeviceMetrics {
    int dpiX = 0;
    int dpiY = 0;
    // The device origin's distance from the paper's left and top edges, in device pixels.
    int originX = 0;
    int originY = 0;
};

// A rectangle on paper, in tenths of a millimetre from the paper's top-left corner.
struct PaperRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct DeviceRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int Right() const { return left + width; } // exclusive
    int Bottom() const { return top + height; }
    bool IsEmpty() const { return width <= 0 || height <= 0; }
    bool operator==(const DeviceRect&) const = default;
};

// A distance in tenths of a millimetre as device pixels, to the nearest pixel.
int TenthsToPixels(double tenths, int dpi);

// Positions on paper as device coordinates.
int PaperXToDevice(double tenths, const DeviceMetrics& device);
int PaperYToDevice(double tenths, const DeviceMetrics& device);

// Each edge is rounded on its own, so neighbouring rectangles neither gap nor overlap.
DeviceRect PaperRectToDevice(const PaperRect& rect, const DeviceMetrics& device);

// A length in screen pixels at the same physical size on the device: pixels * deviceDpi /
// screenDpi, rounded to the nearest pixel, halves away from zero. 0 when screenDpi is not
// positive.
int ScreenToDevicePixels(int pixels, int deviceDpi, int screenDpi);

// The device pixel size of a font designed with the given height on the 96 dpi grid (the sign
// only says whether the height includes the internal leading).
int FontPixelSize(int designHeight, int deviceDpi);

DeviceRect Intersect(const DeviceRect& a, const DeviceRect& b);

// A picture drawn unscaled at its screen size from the top-left corner of its box and cut at
// the box's edges.
struct PicturePlacement {
    DeviceRect box;     // the whole box; what the picture leaves uncovered stays white
    DeviceRect picture; // the picture at its physical screen size
    DeviceRect visible; // the part of the picture inside the box
};

PicturePlacement PlacePicture(const PaperRect& box, int pictureWidth, int pictureHeight,
                              const DeviceMetrics& device, int screenDpiX, int screenDpiY);

} // namespace printgeometry

#pragma once
// A printed sheet as pixels, looked at in millimetres from the paper's corner, and what every
// sheet must show: the picture box runs from 14.23 to 192.29 mm across and from 24.82 to
// 175.36 mm down; the caption's box starts at 14.23, 16.35 mm.

#include <QImage>
#include <QRectF>
#include <QSize>
#include <cstdint>
#include <optional>
#include <vector>

namespace page {
inline constexpr double BoxLeft = 14.233, BoxTop = 24.817, BoxRight = 192.293, BoxBottom = 175.365;
inline constexpr double CaptionLeft = 14.233, CaptionTop = 16.35;
inline const QRectF CaptionRow(10, 10, 200, BoxTop - 10.5);
inline const QRectF Box(BoxLeft, BoxTop, BoxRight - BoxLeft, BoxBottom - BoxTop);
} // namespace page

class PageImage {
public:
    PageImage(const QImage& image, double pixelsPerMm)
        : image_(image.convertToFormat(QImage::Format_RGB32)), pixelsPerMm_(pixelsPerMm) {}
    // The smallest rectangle holding every ink pixel (some channel darker than light grey).
    std::optional<QRectF> InkBounds(const QRectF& regionMm) const;
    bool IsBlank(const QRectF& regionMm) const { return !InkBounds(regionMm); }
    // The average colour of a 0.4 mm square.
    QColor ColourAt(double xMm, double yMm) const;

private:
    QRect Pixels(const QRectF& regionMm) const;
    QImage image_;
    double pixelsPerMm_;
};

// Squares of 100 pixels in two dark colours, the top-left one red, so both the size and the
// placement of the picture show on paper.
QImage CheckerPicture(int width, int height);
// The bytes of a JPEG file of `image`, encoded at high quality.
std::vector<std::uint8_t> JpegOf(const QImage& image);

// The picture of `size` screen pixels at `screenDpi`, unscaled from the box's corner, cut at the
// box, the rest of the box white.
void ExpectPicturePrinted(const PageImage& page, QSize size, double screenDpi = 96,
                          double toleranceMm = 0.2);
// A caption of capitals without accents in 15 pt Garamond bold, its top-left where it belongs.
void ExpectCapitalsCaption(const PageImage& page, double toleranceMm = 0.2);

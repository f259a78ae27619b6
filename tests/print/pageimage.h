#pragma once
// A printed page as pixels, looked at in millimetres from the paper's top-left corner.

#include <QColor>
#include <QImage>
#include <QRectF>
#include <optional>

class PageImage {
public:
    PageImage(QImage image, double pixelsPerMm);

    double WidthMm() const { return image_.width() / pixelsPerMm_; }
    double HeightMm() const { return image_.height() / pixelsPerMm_; }

    // The smallest rectangle holding every ink pixel (darker than light grey in some channel)
    // inside the region; nothing when the region is blank.
    std::optional<QRectF> InkBounds(const QRectF& regionMm) const;
    // True when no pixel of the region is ink.
    bool IsBlank(const QRectF& regionMm) const { return !InkBounds(regionMm); }
    // The average colour of a small square (0.4 mm) around a point.
    QColor ColourAt(double xMm, double yMm) const;

private:
    QRect Pixels(const QRectF& regionMm) const;

    QImage image_;
    double pixelsPerMm_;
};

// True when the colours differ by at most `tolerance` in each channel.
bool Near(const QColor& a, const QColor& b, int tolerance = 40);

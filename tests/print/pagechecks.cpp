#include "tests/print/pagechecks.h"

#include "pictures/pictures.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>

namespace {
const QColor Red(170, 30, 40), Blue(30, 40, 170);
bool IsInk(QRgb pixel) {
    return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 160;
}
bool Near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 40 && std::abs(a.green() - b.green()) <= 40 &&
           std::abs(a.blue() - b.blue()) <= 40;
}
} // namespace

QRect PageImage::Pixels(const QRectF& mm) const {
    const QPoint topLeft(int(std::floor(mm.left() * pixelsPerMm_)),
                         int(std::floor(mm.top() * pixelsPerMm_)));
    const QPoint bottomRight(int(std::ceil(mm.right() * pixelsPerMm_)) - 1,
                             int(std::ceil(mm.bottom() * pixelsPerMm_)) - 1);
    return QRect(topLeft, bottomRight).intersected(image_.rect());
}

std::optional<QRectF> PageImage::InkBounds(const QRectF& regionMm) const {
    const QRect region = Pixels(regionMm);
    QRect ink;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        for (int x = region.left(); x <= region.right(); ++x) {
            if (IsInk(line[x]))
                ink |= QRect(x, y, 1, 1);
        }
    }
    if (ink.isEmpty())
        return std::nullopt;
    return QRectF(ink.x() / pixelsPerMm_, ink.y() / pixelsPerMm_, ink.width() / pixelsPerMm_,
                  ink.height() / pixelsPerMm_);
}

QColor PageImage::ColourAt(double xMm, double yMm) const {
    const QImage square = image_.copy(Pixels(QRectF(xMm - 0.2, yMm - 0.2, 0.4, 0.4)));
    return square.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
}

QImage CheckerPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < height; y += 100) {
        for (int x = 0; x < width; x += 100)
            painter.fillRect(x, y, 100, 100, ((x + y) / 100) % 2 ? Blue : Red);
    }
    return image;
}

std::vector<std::uint8_t> JpegOf(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < rgb.height(); ++y)
        pixels.insert(pixels.end(), rgb.constScanLine(y), rgb.constScanLine(y) + rgb.width() * 3);
    return EncodeJpeg(pixels.data(), rgb.width(), rgb.height(), false, 95);
}

void ExpectPicturePrinted(const PageImage& page, QSize size, double screenDpi, double toleranceMm) {
    const double mmPerPixel = 25.4 / screenDpi;
    const double right = std::min(page::BoxLeft + size.width() * mmPerPixel, page::BoxRight);
    const double bottom = std::min(page::BoxTop + size.height() * mmPerPixel, page::BoxBottom);
    // Looking beyond the box too: nothing of the picture may show outside it.
    const auto ink = page.InkBounds(page::Box.adjusted(-3, -0.3, 10, 10));
    ASSERT_TRUE(ink) << "no picture on the page";
    EXPECT_NEAR(ink->left(), page::BoxLeft, toleranceMm);
    EXPECT_NEAR(ink->top(), page::BoxTop, toleranceMm);
    EXPECT_NEAR(ink->right(), right, toleranceMm);
    EXPECT_NEAR(ink->bottom(), bottom, toleranceMm);
    // Every square whose middle shows well inside lies where the screen size puts it.
    for (int y = 50; y < size.height(); y += 100) {
        for (int x = 50; x < size.width(); x += 100) {
            const double xMm = page::BoxLeft + x * mmPerPixel, yMm = page::BoxTop + y * mmPerPixel;
            if (xMm < right - 2 && yMm < bottom - 2) {
                EXPECT_TRUE(Near(page.ColourAt(xMm, yMm), (x / 100 + y / 100) % 2 ? Blue : Red))
                    << "square at picture pixel " << x << ", " << y;
            }
        }
    }
    EXPECT_TRUE(page.IsBlank({right + 0.3, page::BoxTop, page::BoxRight - right, 160}));
    EXPECT_TRUE(page.IsBlank({page::BoxLeft, bottom + 0.3, 180, page::BoxBottom - bottom}));
}

void ExpectCapitalsCaption(const PageImage& page, double toleranceMm) {
    // Capitals rise from the baseline by the cap height; the baseline lies one ascent below
    // the caption's top; 15 pt is 5.29 mm to the em.
    QFont font(QStringLiteral("EB Garamond"));
    font.setBold(true);
    font.setPixelSize(1000);
    const QFontMetricsF metrics(font);
    const double mmPerUnit = 15.0 * 25.4 / 72.0 / 1000;
    const auto ink = page.InkBounds(page::CaptionRow);
    ASSERT_TRUE(ink) << "no caption on the page";
    EXPECT_GE(ink->left(), page::CaptionLeft - toleranceMm);
    EXPECT_LE(ink->left(), page::CaptionLeft + 0.6 + toleranceMm);
    EXPECT_NEAR(ink->top(), page::CaptionTop + (metrics.ascent() - metrics.capHeight()) * mmPerUnit,
                toleranceMm + 0.15);
    EXPECT_NEAR(ink->height(), metrics.capHeight() * mmPerUnit, toleranceMm + 0.25);
}

#include "pagechecks.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>

QImage CheckerPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < height; y += 100) {
        for (int x = 0; x < width; x += 100)
            painter.fillRect(x, y, 100, 100, ((x + y) / 100) % 2 ? CheckerBlue : CheckerRed);
    }
    return image;
}

void ExpectPicturePrinted(const PageImage& page, QSize size, double screenDpi, double toleranceMm) {
    const double mmPerPixel = 25.4 / screenDpi;
    const double right = std::min(page::BoxLeft + size.width() * mmPerPixel, page::BoxRight);
    const double bottom = std::min(page::BoxTop + size.height() * mmPerPixel, page::BoxBottom);

    // Look a little beyond the box: nothing of the picture may show outside it.
    const auto ink = page.InkBounds(page::Box.adjusted(-3, -0.3, 10, 10));
    ASSERT_TRUE(ink) << "no picture on the page";
    EXPECT_NEAR(ink->left(), page::BoxLeft, toleranceMm);
    EXPECT_NEAR(ink->top(), page::BoxTop, toleranceMm);
    EXPECT_NEAR(ink->right(), right, toleranceMm);
    EXPECT_NEAR(ink->bottom(), bottom, toleranceMm);

    // Each square whose middle lies well inside what shows is where the screen size puts it.
    for (int y = 50; y < size.height(); y += 100) {
        for (int x = 50; x < size.width(); x += 100) {
            const double xMm = page::BoxLeft + x * mmPerPixel;
            const double yMm = page::BoxTop + y * mmPerPixel;
            if (xMm > right - 2 || yMm > bottom - 2)
                continue;
            const QColor expected = ((x / 100 + y / 100) % 2) ? CheckerBlue : CheckerRed;
            const QColor found = page.ColourAt(xMm, yMm);
            EXPECT_TRUE(Near(found, expected))
                << "square at picture pixel " << x << ", " << y << " (" << xMm << ", " << yMm
                << " mm) is " << found.name().toStdString() << ", expected "
                << expected.name().toStdString();
        }
    }

    // The rest of the box stays white.
    if (right < page::BoxRight - 0.5) {
        EXPECT_TRUE(page.IsBlank(QRectF(right + 0.3, page::BoxTop, page::BoxRight - right - 0.3,
                                        page::BoxBottom - page::BoxTop)))
            << "ink right of the picture";
    }
    if (bottom < page::BoxBottom - 0.5) {
        EXPECT_TRUE(page.IsBlank(QRectF(page::BoxLeft, bottom + 0.3, page::BoxRight - page::BoxLeft,
                                        page::BoxBottom - bottom - 0.3)))
            << "ink below the picture";
    }
}

void ExpectCapitalsCaption(const PageImage& page, double toleranceMm) {
    // 15 pt is 5.29 mm to the em; capitals rise from the baseline by the font's cap height, and
    // the baseline lies one ascent below the caption's top.
    QFont font(QStringLiteral("EB Garamond"));
    font.setBold(true);
    font.setPixelSize(1000);
    const QFontMetricsF metrics(font);
    const double emMm = 15.0 * 25.4 / 72.0;
    const double capHeightMm = metrics.capHeight() / 1000 * emMm;
    const double inkTopMm =
        page::CaptionTop + (metrics.ascent() - metrics.capHeight()) / 1000 * emMm;

    const auto ink = page.InkBounds(page::CaptionRow);
    ASSERT_TRUE(ink) << "no caption on the page";
    EXPECT_GE(ink->left(), page::CaptionLeft - toleranceMm);
    EXPECT_LE(ink->left(), page::CaptionLeft + 0.6 + toleranceMm);
    EXPECT_NEAR(ink->top(), inkTopMm, toleranceMm + 0.15);
    EXPECT_NEAR(ink->height(), capHeightMm, toleranceMm + 0.25);
}

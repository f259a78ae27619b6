#pragma once
// What every printed page must show, checked in millimetres against the page's stored layout:
// the picture box runs from 14.23 to 192.29 mm across and from 24.82 to 175.36 mm down; the
// caption's box starts at 14.23, 16.35 mm and is 6.35 mm high on the 96 dpi design grid.

#include "pageimage.h"

#include <QImage>
#include <QRectF>
#include <QSize>

namespace page {
inline constexpr double BoxLeft = 14.233;
inline constexpr double BoxTop = 24.817;
inline constexpr double BoxRight = 192.293;
inline constexpr double BoxBottom = 175.365;
inline constexpr double CaptionLeft = 14.233;
inline constexpr double CaptionTop = 16.35;
// The caption row: from the top margin down to the picture box.
inline const QRectF CaptionRow(10, 10, 200, BoxTop - 10 - 0.5);
inline const QRectF Box(BoxLeft, BoxTop, BoxRight - BoxLeft, BoxBottom - BoxTop);
} // namespace page

// Squares of 100 pixels in two dark colours, the top-left one red, so both the size and the
// placement of the picture show on paper.
QImage CheckerPicture(int width, int height);
inline const QColor CheckerRed(170, 30, 40);
inline const QColor CheckerBlue(30, 40, 170);

// The picture of `size` screen pixels at `screenDpi`, unscaled from the box's corner, cut at the
// box, the rest of the box white. `toleranceMm` allows for the page's own resolution.
void ExpectPicturePrinted(const PageImage& page, QSize size, double screenDpi, double toleranceMm);

// The ink of a caption of capitals without accents, set in 15 pt Garamond bold.
void ExpectCapitalsCaption(const PageImage& page, double toleranceMm);

#pragma once
// The face pictures, at the sizes of the main window's controls.

#include <QColor>
#include <QImage>
#include <QRectF>

// ring: where the ring lies in the 24 x 24 picture.
QImage RadioFace(bool selected, const QRectF& ring);
QImage ChevronFace(bool pointsLeft, bool active, const QColor& ground);

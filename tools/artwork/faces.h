#pragma once
// Small painted parts shared by the backgrounds and the face pictures: button faces, chevrons,
// radio buttons, triangles, panels.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

// A raised button: the flat area stays exactly `face`; the bevel lies outside it.
void PaintRaisedFace(QPainter& painter, const QRect& flat, const QColor& face);
// A sunken field or a panel with a soft shadow outside its flat area.
void PaintPanel(QPainter& painter, const QRect& flat, const QColor& colour, int shadow);
// A one-pixel frame just outside `flat`.
void PaintFrame(QPainter& painter, const QRect& flat, const QColor& colour);

// A chevron filling a 12 x 31 box, pointing left or right.
void PaintChevron(QPainter& painter, const QRect& box, bool pointsLeft, const QColor& fill,
                  const QColor& edge);
// A radio button whose ring fills `area` (19 x 20 on the main window).
void PaintRadio(QPainter& painter, const QRectF& area, bool selected);
void PaintTriangle(QPainter& painter, const QRect& box, bool pointsLeft, const QColor& colour);

// The face pictures, at their control sizes.
// ring: where the ring lies in the 24 x 24 picture.
QImage RadioFace(bool selected, const QRectF& ring);
QImage ChevronFace(bool pointsLeft, bool active, const QColor& ground);

#pragma once
// Small painted parts shared by the backgrounds and the face pictures: button faces, chevrons,
// radio buttons, triangles, panels.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

// A picture of one flat colour.
QImage FlatImage(QSize size, const QColor& colour);
// The one-pixel outline along the visible edges (columns 1 and W-2, rows 0 and H-1); the cut
// columns 0 and W-1 take it too. `sides` false draws the top and bottom edges only.
void PaintOutline(QImage& image, const QColor& colour, bool sides = true);

// A raised button: the flat area stays exactly `face`; the bevel lies outside it.
void PaintRaisedFace(QPainter& painter, const QRect& flat, const QColor& face);
// Bold lettering centred on a face, the size fixed so faces of one window match.
void LetterFace(QPainter& painter, const QRect& face, const QString& text, bool italic,
                qreal pixelSize, const QColor& colour);

// A sunken field or a panel with a soft shadow outside its flat area.
void PaintPanel(QPainter& painter, const QRect& flat, const QColor& colour, int shadow);
// A field let into the ground: dark above and left, light below and right, outside `flat`.
void PaintSunken(QPainter& painter, const QRect& flat, const QColor& field, const QColor& ground);
// A one-pixel frame just outside `flat`.
void PaintFrame(QPainter& painter, const QRect& flat, const QColor& colour);

// A chevron filling a 12 x 31 box, pointing left or right.
void PaintChevron(QPainter& painter, const QRect& box, bool pointsLeft, const QColor& fill,
                  const QColor& edge);
// A radio button whose ring fills `area` (19 x 20 on the main window).
void PaintRadio(QPainter& painter, const QRectF& area, bool selected);
void PaintTriangle(QPainter& painter, const QRect& box, bool pointsLeft, const QColor& colour);

#pragma once
// Logos drawn as simple emblems, and the photographer's handwritten mark.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

// The collection's standing figure with its halo and pedestal, 60 wide and 100 tall.
QPainterPath EmblemFigure();
// A small standing figure above the owner's two-line name; its ink fills `area`.
void PaintOwnerLogo(QPainter& painter, const QRectF& area, const QColor& ink);
// One of four supporters' emblems (0 to 3) inside `box`.
void PaintSupporterEmblem(QPainter& painter, const QRectF& box, int which, const QColor& ink,
                          const QColor& ground);
void PaintHandwrittenMark(QPainter& painter, const QRectF& box, const QColor& ink);

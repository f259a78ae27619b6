#pragma once
// The parts of a late-medieval altarpiece drawn with simple shapes: gilded grounds and frames,
// figures, painted panels, carved shrines and the whole winged altar. Everything is drawn
// into a given rectangle, so the same picture comes out at any size.

#include <QColor>
#include <QPainter>
#include <QRectF>

#include <random>

struct AltarColours {
    QColor robes[4];
    QColor gold, goldShadow;
    QColor ground; // the strip the figures stand on
    QColor skin;
    QColor wood; // the carcass behind the gilding
};

// One of several palettes; `which` may be any number.
AltarColours ColoursFor(int which);

using Random = std::mt19937;

void PaintGoldGround(QPainter& painter, const QRectF& area, const AltarColours& colours,
                     Random& random);
// A gilded moulding of `width` around the outside of `inner`.
void PaintGiltFrame(QPainter& painter, const QRectF& inner, qreal width,
                    const AltarColours& colours);
// A standing saint, feet at `feet`; `attribute` picks what it holds (0 to 5).
void PaintFigure(QPainter& painter, QPointF feet, qreal height, const QColor& robe,
                 const QColor& mantle, const AltarColours& colours, int attribute);

// A painted panel: gold ground, a floor strip and one to four figures.
void PaintScenePanel(QPainter& painter, const QRectF& area, const AltarColours& colours,
                     Random& random, int figures);
// A row of half-figures under arches.
void PaintPredellaPanel(QPainter& painter, const QRectF& area, const AltarColours& colours,
                        Random& random);
// The whole winged altar, open: predella, shrine with carved figures, painted wings and the
// pinnacled superstructure, fitting `area`.
void PaintAltarpiece(QPainter& painter, const QRectF& area, const AltarColours& colours,
                     Random& random);

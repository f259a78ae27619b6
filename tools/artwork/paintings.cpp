#include "tools/artwork/paintings.h"

#include "tools/artwork/altarparts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// A photograph's darker corners.
void Vignette(QPainter& painter, const QRectF& area) {
    QRadialGradient dark(area.center(), std::hypot(area.width(), area.height()) / 2);
    dark.setColorAt(0.55, QColor(0, 0, 0, 0));
    dark.setColorAt(1, QColor(0, 0, 0, 90));
    painter.fillRect(area, dark);
}

// The church the altar stands in: a dim wall, a pier at each side and a stone floor.
void PaintChurch(QPainter& painter, const QRectF& area, Random& random) {
    QLinearGradient wall(area.topLeft(), area.bottomLeft());
    const int warmth = std::uniform_int_distribution<int>(0, 30)(random);
    wall.setColorAt(0, QColor(40 + warmth, 34 + warmth / 2, 30));
    wall.setColorAt(0.85, QColor(96 + warmth, 84 + warmth / 2, 70));
    painter.fillRect(area, wall);
    const QRectF floor(area.left(), area.top() + area.height() * 0.88, area.width(),
                       area.height() * 0.12);
    QLinearGradient stone(floor.topLeft(), floor.bottomLeft());
    stone.setColorAt(0, QColor(120, 110, 98));
    stone.setColorAt(1, QColor(70, 64, 58));
    painter.fillRect(floor, stone);
    for (int side = 0; side < 2; ++side) {
        const qreal w = area.width() * 0.07;
        const QRectF pier(side == 0 ? area.left() : area.right() - w, area.top(), w,
                          floor.top() - area.top());
        QLinearGradient round(pier.topLeft(), pier.topRight());
        round.setColorAt(0, QColor(70, 62, 54));
        round.setColorAt(0.4, QColor(150, 138, 120));
        round.setColorAt(1, QColor(60, 54, 48));
        painter.fillRect(pier, round);
    }
    // Light falling on the altar from a window above the viewer.
    QRadialGradient light(QPointF(area.center().x(), area.top() + area.height() * 0.45),
                          area.width() * 0.5);
    light.setColorAt(0, QColor(255, 236, 200, 70));
    light.setColorAt(1, QColor(255, 236, 200, 0));
    painter.fillRect(area, light);
}

QRectF Inset(const QRectF& area, qreal fraction) {
    const qreal d = std::min(area.width(), area.height()) * fraction;
    return area.adjusted(d, d, -d, -d);
}

void PaintFramedScene(QPainter& painter, const QRectF& area, const AltarColours& colours,
                      Random& random, int figures, bool arched) {
    painter.fillRect(area, QColor(30, 24, 20));
    const qreal frame = std::min(area.width(), area.height()) * 0.045;
    const QRectF inner = Inset(area, 0.06);
    if (arched) {
        QPainterPath arch;
        const qreal rise = inner.height() * 0.22;
        arch.moveTo(inner.bottomLeft());
        arch.lineTo(inner.left(), inner.top() + rise);
        arch.quadTo(inner.left(), inner.top(), inner.center().x(), inner.top());
        arch.quadTo(inner.right(), inner.top(), inner.right(), inner.top() + rise);
        arch.lineTo(inner.bottomRight());
        arch.closeSubpath();
        PaintGiltFrame(painter, inner, frame, colours);
        painter.fillRect(inner, colours.wood.darker(130)); // spandrels
        painter.save();
        painter.setClipPath(arch);
        PaintScenePanel(painter, inner, colours, random, figures);
        painter.restore();
        painter.setPen(QPen(colours.goldShadow, frame * 0.25));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(arch);
    } else {
        PaintScenePanel(painter, inner, colours, random, figures);
        PaintGiltFrame(painter, inner, frame, colours);
    }
}

} // namespace

QImage PaintDemoPicture(int entry, int picture, const DemoPicture& wanted) {
    QImage image(wanted.size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    Random random(static_cast<unsigned>(entry * 1000 + picture));
    const AltarColours colours = ColoursFor(entry * 7 + picture / 3);
    const QRectF area = image.rect();

    switch (wanted.kind) {
    case PictureKind::WholeAltar:
        PaintChurch(painter, area, random);
        PaintAltarpiece(painter, Inset(area, 0.04), colours, random);
        break;
    case PictureKind::Scene:
        PaintFramedScene(painter, area, colours, random, 2 + int(random() % 3), random() % 2);
        break;
    case PictureKind::Saint:
        PaintFramedScene(painter, area, colours, random, 1, true);
        break;
    case PictureKind::Predella: {
        painter.fillRect(area, QColor(34, 28, 24));
        const QRectF inner = Inset(area, 0.07);
        PaintPredellaPanel(painter, inner, colours, random);
        PaintGiltFrame(painter, inner, std::min(area.width(), area.height()) * 0.04, colours);
        break;
    }
    case PictureKind::Detail: {
        // A close view: two saints painted much larger than the picture, cut below the chest.
        const QRectF whole(area.left() - area.width() * 0.3, area.top() - area.height() * 0.1,
                           area.width() * 1.6, area.height() * 2.2);
        PaintScenePanel(painter, whole, colours, random, 2);
        break;
    }
    }
    Vignette(painter, area);
    return image;
}

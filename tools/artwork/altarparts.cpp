#include "tools/artwork/altarparts.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

qreal Uniform(Random& random, qreal low, qreal high) {
    return std::uniform_real_distribution<qreal>(low, high)(random);
}

int Pick(Random& random, int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(random);
}

// A panel shape with a pointed arch on top; `rise` is the arch's height.
QPainterPath ArchedPanel(const QRectF& area, qreal rise) {
    QPainterPath path;
    const qreal springLine = area.top() + rise;
    path.moveTo(area.left(), area.bottom());
    path.lineTo(area.left(), springLine);
    path.quadTo(area.left(), area.top() + rise * 0.2, area.center().x(), area.top());
    path.quadTo(area.right(), area.top() + rise * 0.2, area.right(), springLine);
    path.lineTo(area.right(), area.bottom());
    path.closeSubpath();
    return path;
}

void PaintHalo(QPainter& painter, QPointF centre, qreal radius, const AltarColours& colours) {
    QRadialGradient gold(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    gold.setColorAt(0, colours.gold.lighter(135));
    gold.setColorAt(0.6, colours.gold);
    gold.setColorAt(1, colours.goldShadow);
    painter.setPen(QPen(colours.goldShadow.darker(130), radius * 0.08));
    painter.setBrush(gold);
    painter.drawEllipse(centre, radius, radius);
    // Punched rosettes round the rim, as tooled into the gilding.
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.goldShadow);
    const int dots = 18;
    for (int i = 0; i < dots; ++i) {
        const qreal angle = 2 * M_PI * i / dots;
        painter.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.82,
                            radius * 0.055, radius * 0.055);
    }
}

void PaintAttribute(QPainter& painter, QPointF hands, qreal u, int attribute,
                    const AltarColours& colours) {
    painter.save();
    switch (attribute % 6) {
    case 0: // a book with a red binding
        painter.setPen(QPen(QColor(60, 20, 10), u * 0.5));
        painter.setBrush(QColor(150, 30, 25));
        painter.drawRect(QRectF(hands.x() - 5 * u, hands.y() - 6 * u, 10 * u, 7 * u));
        painter.setBrush(QColor(235, 225, 200));
        painter.drawRect(QRectF(hands.x() - 4.2 * u, hands.y() - 5.5 * u, 8.4 * u, 1.6 * u));
        break;
    case 1: // a martyr's palm
        painter.setPen(QPen(QColor(60, 110, 50), u * 1.1, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(hands, hands + QPointF(8 * u, -30 * u));
        for (int i = 1; i < 7; ++i) {
            const QPointF stem = hands + QPointF(8 * u * i / 7.0, -30 * u * i / 7.0);
            painter.drawLine(stem, stem + QPointF(-4 * u, -2 * u));
            painter.drawLine(stem, stem + QPointF(4 * u, 0.5 * u));
        }
        break;
    case 2: // a sword held point down
        painter.setPen(QPen(QColor(170, 175, 185), u * 1.6, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(hands + QPointF(7 * u, -4 * u), hands + QPointF(7 * u, 36 * u));
        painter.setPen(QPen(colours.goldShadow, u * 1.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(hands + QPointF(2 * u, -2 * u), hands + QPointF(12 * u, -2 * u));
        break;
    case 3: { // a wheel at the side
        const QPointF centre = hands + QPointF(14 * u, 18 * u);
        painter.setPen(QPen(QColor(110, 70, 35), u * 1.4));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, 8 * u, 8 * u);
        for (int i = 0; i < 8; ++i) {
            const qreal angle = M_PI * i / 4;
            painter.drawLine(centre, centre + QPointF(std::cos(angle), std::sin(angle)) * 8 * u);
        }
        break;
    }
    case 4: { // a small tower
        const QRectF tower(hands.x() + 9 * u, hands.y() + 2 * u, 8 * u, 22 * u);
        painter.setPen(QPen(QColor(90, 70, 55), u * 0.4));
        painter.setBrush(QColor(200, 190, 170));
        painter.drawRect(tower);
        painter.setBrush(QColor(60, 45, 40));
        for (int i = 0; i < 3; ++i)
            painter.drawRect(
                QRectF(tower.left() + 1.2 * u + i * 2.2 * u, tower.top() + 5 * u, 1.2 * u, 3 * u));
        painter.setBrush(QColor(160, 50, 35));
        QPolygonF roof;
        roof << QPointF(tower.left() - u, tower.top())
             << QPointF(tower.center().x(), tower.top() - 7 * u)
             << QPointF(tower.right() + u, tower.top());
        painter.drawPolygon(roof);
        break;
    }
    default: { // a crozier
        painter.setPen(QPen(colours.goldShadow, u * 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        const QPointF top = hands + QPointF(-8 * u, -34 * u);
        painter.drawLine(top, hands + QPointF(-8 * u, 40 * u));
        painter.drawArc(QRectF(top.x() - 0.5 * u, top.y() - 9 * u, 9 * u, 9 * u), 180 * 16,
                        -300 * 16);
        break;
    }
    }
    painter.restore();
}

} // namespace

AltarColours ColoursFor(int which) {
    static const std::array<AltarColours, 6> palettes = {{
        {{QColor(168, 32, 30), QColor(30, 62, 128), QColor(38, 102, 60), QColor(232, 224, 205)},
         QColor(214, 172, 72),
         QColor(140, 98, 32),
         QColor(88, 104, 56),
         QColor(232, 196, 170),
         QColor(70, 44, 26)},
        {{QColor(120, 28, 60), QColor(200, 150, 40), QColor(40, 80, 110), QColor(220, 210, 190)},
         QColor(222, 184, 90),
         QColor(150, 110, 40),
         QColor(110, 96, 60),
         QColor(236, 204, 180),
         QColor(58, 36, 24)},
        {{QColor(26, 48, 112), QColor(180, 60, 30), QColor(230, 220, 200), QColor(90, 120, 70)},
         QColor(205, 165, 65),
         QColor(128, 90, 30),
         QColor(70, 90, 50),
         QColor(226, 190, 160),
         QColor(80, 52, 30)},
        {{QColor(60, 110, 70), QColor(190, 40, 35), QColor(110, 70, 120), QColor(240, 230, 210)},
         QColor(218, 178, 80),
         QColor(136, 96, 36),
         QColor(96, 84, 52),
         QColor(230, 200, 176),
         QColor(64, 40, 22)},
        {{QColor(150, 60, 20), QColor(50, 50, 90), QColor(200, 170, 60), QColor(225, 215, 195)},
         QColor(210, 168, 70),
         QColor(132, 92, 34),
         QColor(100, 110, 60),
         QColor(228, 194, 164),
         QColor(74, 48, 28)},
        {{QColor(90, 30, 40), QColor(30, 90, 100), QColor(170, 120, 60), QColor(236, 228, 214)},
         QColor(226, 190, 100),
         QColor(150, 112, 46),
         QColor(84, 96, 60),
         QColor(234, 200, 172),
         QColor(54, 34, 20)},
    }};
    return palettes[static_cast<std::size_t>(std::abs(which)) % palettes.size()];
}

void PaintGoldGround(QPainter& painter, const QRectF& area, const AltarColours& colours,
                     Random& random) {
    painter.save();
    QLinearGradient gold(area.topLeft(), area.bottomRight());
    gold.setColorAt(0, colours.gold.lighter(118));
    gold.setColorAt(Uniform(random, 0.35, 0.55), colours.gold);
    gold.setColorAt(1, colours.goldShadow.lighter(115));
    painter.fillRect(area, gold);
    // A faint pressed brocade of diamonds.
    const qreal step = std::max<qreal>(4, std::min(area.width(), area.height()) / 12);
    painter.setClipRect(area);
    painter.setPen(QPen(
        QColor(colours.goldShadow.red(), colours.goldShadow.green(), colours.goldShadow.blue(), 60),
        std::max<qreal>(0.5, step / 22)));
    for (qreal d = -area.height(); d < area.width(); d += step) {
        painter.drawLine(QPointF(area.left() + d, area.top()),
                         QPointF(area.left() + d + area.height(), area.bottom()));
        painter.drawLine(QPointF(area.left() + d + area.height(), area.top()),
                         QPointF(area.left() + d, area.bottom()));
    }
    painter.restore();
}

void PaintGiltFrame(QPainter& painter, const QRectF& inner, qreal width,
                    const AltarColours& colours) {
    painter.save();
    const QRectF outer = inner.adjusted(-width, -width, width, width);
    QLinearGradient gold(outer.topLeft(), outer.bottomRight());
    gold.setColorAt(0, colours.gold.lighter(125));
    gold.setColorAt(0.5, colours.gold);
    gold.setColorAt(1, colours.goldShadow);
    QPainterPath frame;
    frame.addRect(outer);
    frame.addRect(inner);
    painter.fillPath(frame, gold);
    painter.setBrush(Qt::NoBrush);
    const qreal line = std::max<qreal>(0.6, width / 7);
    painter.setPen(QPen(colours.goldShadow.darker(140), line));
    painter.drawRect(outer.adjusted(line / 2, line / 2, -line / 2, -line / 2));
    painter.drawRect(inner.adjusted(-line / 2, -line / 2, line / 2, line / 2));
    painter.setPen(QPen(colours.gold.lighter(140), line));
    const qreal mid = width / 2;
    painter.drawRect(inner.adjusted(-mid, -mid, mid, mid));
    painter.restore();
}

void PaintFigure(QPainter& painter, QPointF feet, qreal height, const QColor& robe,
                 const QColor& mantle, const AltarColours& colours, int attribute) {
    const qreal u = height / 100;
    const qreal x = feet.x(), y = feet.y();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);

    PaintHalo(painter, QPointF(x, y - 87 * u), 10 * u, colours);

    // The robe, widening to a hem that breaks on the floor.
    QPainterPath gown;
    gown.moveTo(x - 8 * u, y - 77 * u);
    gown.cubicTo(x - 13 * u, y - 60 * u, x - 15 * u, y - 25 * u, x - 18 * u, y);
    gown.quadTo(x, y + 2.5 * u, x + 18 * u, y);
    gown.cubicTo(x + 15 * u, y - 25 * u, x + 13 * u, y - 60 * u, x + 8 * u, y - 77 * u);
    gown.closeSubpath();
    QLinearGradient gownShade(x - 18 * u, 0, x + 18 * u, 0);
    gownShade.setColorAt(0, robe.darker(135));
    gownShade.setColorAt(0.45, robe.lighter(112));
    gownShade.setColorAt(1, robe.darker(150));
    painter.setPen(QPen(robe.darker(190), u * 0.5));
    painter.setBrush(gownShade);
    painter.drawPath(gown);

    // The mantle over one shoulder, caught up across the body.
    QPainterPath cloak;
    cloak.moveTo(x - 9 * u, y - 78 * u);
    cloak.cubicTo(x - 16 * u, y - 55 * u, x - 19 * u, y - 25 * u, x - 17 * u, y - 8 * u);
    cloak.cubicTo(x - 8 * u, y - 14 * u, x + 6 * u, y - 30 * u, x + 15 * u, y - 34 * u);
    cloak.cubicTo(x + 10 * u, y - 48 * u, x + 2 * u, y - 60 * u, x + 5 * u, y - 76 * u);
    cloak.closeSubpath();
    QLinearGradient cloakShade(x - 18 * u, 0, x + 15 * u, 0);
    cloakShade.setColorAt(0, mantle.darker(125));
    cloakShade.setColorAt(0.5, mantle.lighter(115));
    cloakShade.setColorAt(1, mantle.darker(140));
    painter.setPen(QPen(colours.gold, u * 0.9)); // gilded hem
    painter.setBrush(cloakShade);
    painter.drawPath(cloak);

    // Folds.
    painter.setPen(QPen(robe.darker(170), u * 0.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x + 4 * u, y - 28 * u), QPointF(x + 6 * u, y - 2 * u));
    painter.drawLine(QPointF(x + 10 * u, y - 30 * u), QPointF(x + 13 * u, y - 2 * u));
    painter.setPen(QPen(mantle.darker(160), u * 0.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x - 10 * u, y - 60 * u), QPointF(x - 12 * u, y - 16 * u));
    painter.drawLine(QPointF(x - 4 * u, y - 50 * u), QPointF(x - 6 * u, y - 22 * u));

    // Neck, head and hair.
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.skin.darker(108));
    painter.drawRect(QRectF(x - 2.2 * u, y - 82 * u, 4.4 * u, 6 * u));
    QRadialGradient face(QPointF(x - 1.5 * u, y - 89 * u), 8 * u);
    face.setColorAt(0, colours.skin.lighter(108));
    face.setColorAt(1, colours.skin.darker(118));
    painter.setBrush(face);
    painter.drawEllipse(QPointF(x, y - 87 * u), 5 * u, 6.4 * u);
    painter.setBrush(QColor(92, 58, 30));
    painter.drawChord(QRectF(x - 5.4 * u, y - 94 * u, 10.8 * u, 10 * u), 0, 180 * 16);
    painter.setBrush(QColor(50, 32, 20));
    painter.drawEllipse(QPointF(x - 1.9 * u, y - 87 * u), 0.6 * u, 0.5 * u);
    painter.drawEllipse(QPointF(x + 1.9 * u, y - 87 * u), 0.6 * u, 0.5 * u);
    if (attribute % 6 == 3 || attribute % 6 == 4) { // the virgin martyrs wear crowns
        painter.setBrush(colours.gold);
        QPolygonF crown;
        crown << QPointF(x - 5 * u, y - 92 * u) << QPointF(x - 5.5 * u, y - 97 * u)
              << QPointF(x - 2.5 * u, y - 94.5 * u) << QPointF(x, y - 98 * u)
              << QPointF(x + 2.5 * u, y - 94.5 * u) << QPointF(x + 5.5 * u, y - 97 * u)
              << QPointF(x + 5 * u, y - 92 * u);
        painter.drawPolygon(crown);
    }

    // Hands, then what they hold.
    const QPointF hands(x + 1 * u, y - 55 * u);
    painter.setBrush(colours.skin);
    painter.drawEllipse(hands + QPointF(-2 * u, 0), 2.4 * u, 2 * u);
    painter.drawEllipse(hands + QPointF(2.4 * u, 0.4 * u), 2.4 * u, 2 * u);
    PaintAttribute(painter, hands, u, attribute, colours);
    painter.restore();
}

void PaintScenePanel(QPainter& painter, const QRectF& area, const AltarColours& colours,
                     Random& random, int figures) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(area);
    const qreal floorTop = area.top() + area.height() * Uniform(random, 0.72, 0.8);
    PaintGoldGround(painter, QRectF(area.left(), area.top(), area.width(), floorTop - area.top()),
                    colours, random);

    const QRectF floor(area.left(), floorTop, area.width(), area.bottom() - floorTop);
    QLinearGradient earth(floor.topLeft(), floor.bottomLeft());
    earth.setColorAt(0, colours.ground.lighter(120));
    earth.setColorAt(1, colours.ground.darker(130));
    painter.fillRect(floor, earth);
    if (Pick(random, 2) == 0) { // a tiled floor receding to the gold
        painter.setPen(QPen(colours.ground.darker(160), std::max<qreal>(0.5, area.width() / 400)));
        const int tiles = 9;
        for (int i = 0; i <= tiles; ++i) {
            const qreal at = area.left() + area.width() * i / tiles;
            painter.drawLine(QPointF(area.center().x() + (at - area.center().x()) * 0.6, floorTop),
                             QPointF(at, area.bottom()));
        }
        for (qreal t = 0.18; t < 1; t += t * 0.9)
            painter.drawLine(QPointF(area.left(), floorTop + floor.height() * t),
                             QPointF(area.right(), floorTop + floor.height() * t));
    } else { // flowers in the grass
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 30; ++i) {
            painter.setBrush(i % 3 ? QColor(230, 225, 200) : QColor(190, 50, 40));
            const qreal r = area.width() / 220;
            painter.drawEllipse(QPointF(Uniform(random, area.left(), area.right()),
                                        Uniform(random, floorTop + r, area.bottom() - r)),
                                r, r);
        }
    }

    if (Pick(random, 3) == 0) { // a little building at one side
        const bool left = Pick(random, 2) == 0;
        const qreal w = area.width() * 0.22, h = area.height() * 0.38;
        const QRectF house(left ? area.left() : area.right() - w, floorTop - h, w, h);
        painter.setPen(QPen(QColor(90, 70, 60), area.width() / 300));
        painter.setBrush(QColor(215, 200, 180));
        painter.drawRect(house);
        painter.setBrush(QColor(170, 60, 40));
        QPolygonF roof;
        roof << QPointF(house.left() - w * 0.08, house.top())
             << QPointF(house.center().x(), house.top() - h * 0.35)
             << QPointF(house.right() + w * 0.08, house.top());
        painter.drawPolygon(roof);
        painter.setBrush(QColor(50, 40, 40));
        painter.drawRect(
            QRectF(house.center().x() - w * 0.12, house.bottom() - h * 0.4, w * 0.24, h * 0.4));
    }

    const qreal height = area.height() * Uniform(random, 0.66, 0.76);
    for (int i = 0; i < figures; ++i) {
        const qreal x = area.left() + area.width() * (i + 0.5) / figures +
                        Uniform(random, -0.04, 0.04) * area.width();
        const qreal feet = floorTop + floor.height() * Uniform(random, 0.35, 0.6);
        const qreal h = height * Uniform(random, 0.9, 1.04) * (figures > 3 ? 0.85 : 1.0);
        PaintFigure(painter, QPointF(x, feet), h, colours.robes[Pick(random, 4)],
                    colours.robes[Pick(random, 4)], colours, Pick(random, 6));
    }
    painter.restore();
}

void PaintPredellaPanel(QPainter& painter, const QRectF& area, const AltarColours& colours,
                        Random& random) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(area);
    painter.fillRect(area, colours.wood);
    const int count = 5 + Pick(random, 3);
    const qreal cell = area.width() / count;
    for (int i = 0; i < count; ++i) {
        const QRectF niche(area.left() + cell * i + cell * 0.08, area.top() + area.height() * 0.1,
                           cell * 0.84, area.height() * 0.8);
        const QPainterPath arch = ArchedPanel(niche, niche.height() * 0.3);
        painter.save();
        painter.setClipPath(arch);
        PaintGoldGround(painter, niche, colours, random);
        // A half-figure: a tall figure cut at the waist by the niche.
        PaintFigure(painter, QPointF(niche.center().x(), niche.bottom() + niche.height() * 0.9),
                    niche.height() * 1.65, colours.robes[(i + 1) % 4], colours.robes[i % 4],
                    colours, i);
        painter.restore();
        painter.setPen(QPen(colours.goldShadow, std::max<qreal>(0.6, cell / 40)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(arch);
    }
    painter.restore();
}

void PaintAltarpiece(QPainter& painter, const QRectF& area, const AltarColours& colours,
                     Random& random) {
    // Designed on a grid 100 wide and 120 tall, then fitted into the area.
    const qreal unit = std::min(area.width() / 100, area.height() / 120);
    const QPointF origin(area.center().x() - 50 * unit, area.center().y() - 60 * unit);
    auto box = [&](qreal l, qreal t, qreal w, qreal h) {
        return QRectF(origin.x() + l * unit, origin.y() + t * unit, w * unit, h * unit);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);

    // The superstructure: three pinnacled towers of gilt tracery over the shrine.
    const QColor spire = colours.gold;
    painter.setPen(QPen(colours.goldShadow, unit * 0.5));
    for (int i = 0; i < 3; ++i) {
        const qreal cx = 50 + (i - 1) * 16;
        const qreal top = i == 1 ? 2 : 14;
        const qreal w = i == 1 ? 14 : 9;
        QPolygonF tower;
        tower << QPointF(cx - w / 2, 44) << QPointF(cx - w / 2, top + 16) << QPointF(cx, top)
              << QPointF(cx + w / 2, top + 16) << QPointF(cx + w / 2, 44);
        for (QPointF& p : tower)
            p = origin + p * unit;
        QLinearGradient gold(tower.boundingRect().topLeft(), tower.boundingRect().topRight());
        gold.setColorAt(0, colours.goldShadow);
        gold.setColorAt(0.5, spire.lighter(125));
        gold.setColorAt(1, colours.goldShadow);
        painter.setBrush(gold);
        painter.drawPolygon(tower);
        // Crockets along the spire and a finial.
        painter.setBrush(spire);
        for (int k = 1; k < 4; ++k) {
            const qreal t = k / 4.0;
            painter.drawEllipse(origin + QPointF(cx - w / 2 * t - 0.8, top + 16 * t) * unit,
                                unit * 0.9, unit * 0.9);
            painter.drawEllipse(origin + QPointF(cx + w / 2 * t + 0.8, top + 16 * t) * unit,
                                unit * 0.9, unit * 0.9);
        }
        painter.drawEllipse(origin + QPointF(cx, top - 1) * unit, unit * 1.3, unit * 1.3);
        // A small statue in the central tower's niche.
        if (i == 1) {
            painter.fillRect(box(cx - 4, top + 18, 8, 20), colours.wood.darker(120));
            PaintFigure(painter, origin + QPointF(cx, top + 37) * unit, 18 * unit, colours.robes[0],
                        colours.gold, colours, 0);
            painter.setPen(QPen(colours.goldShadow, unit * 0.5));
        }
    }

    // The shrine: a wooden case, gilt niches with three carved figures under canopies.
    const QRectF shrine = box(25, 44, 50, 52);
    painter.fillRect(shrine, colours.wood);
    for (int i = 0; i < 3; ++i) {
        const QRectF niche = box(27 + i * 15.6, 50, 14.4, 44);
        PaintGoldGround(painter, niche, colours, random);
        painter.fillRect(box(27 + i * 15.6, 50, 14.4, 3), colours.wood.lighter(130));
        const QColor mantle = colours.gold; // carved figures wear gilt mantles
        PaintFigure(painter, QPointF(niche.center().x(), niche.bottom() - unit),
                    niche.height() * (i == 1 ? 0.82 : 0.76), colours.robes[i], mantle, colours,
                    i == 1 ? 3 : Pick(random, 6));
        // The canopy: three small pointed arches along the top.
        painter.setPen(QPen(colours.gold.lighter(110), unit * 0.6));
        painter.setBrush(Qt::NoBrush);
        for (int a = 0; a < 3; ++a) {
            const QRectF cell(niche.left() + niche.width() * a / 3, niche.top(), niche.width() / 3,
                              niche.height() * 0.16);
            painter.drawPath(ArchedPanel(cell, cell.height() * 0.9));
        }
    }
    PaintGiltFrame(painter, shrine, unit * 1.4, colours);

    // The wings, open, each with two painted scenes.
    for (int side = 0; side < 2; ++side) {
        const qreal left = side == 0 ? 0 : 76;
        for (int row = 0; row < 2; ++row) {
            const QRectF panel = box(left + 1.5, 46 + row * 25.5, 21, 23);
            PaintScenePanel(painter, panel, colours, random, 2 + Pick(random, 2));
            PaintGiltFrame(painter, panel, unit * 0.8, colours);
        }
        PaintGiltFrame(painter, box(left, 44.5, 24, 51), unit * 0.7, colours);
    }

    // The predella on its mensa.
    const QRectF predella = box(27, 97.5, 46, 12);
    PaintPredellaPanel(painter, predella, colours, random);
    PaintGiltFrame(painter, predella, unit * 0.9, colours);
    QLinearGradient stone(box(16, 110.5, 68, 9.5).topLeft(), box(16, 110.5, 68, 9.5).bottomLeft());
    stone.setColorAt(0, QColor(172, 164, 150));
    stone.setColorAt(1, QColor(110, 104, 96));
    painter.fillRect(box(16, 110.5, 68, 9.5), stone);
    painter.restore();
}

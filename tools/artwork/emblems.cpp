#include "tools/artwork/emblems.h"

#include "tools/artwork/lettering.h"

#include <QPainterPath>

#include <cmath>

namespace {

// The figure in its own units: 60 wide, 100 tall, feet at y = 100.
QPainterPath StandingFigure() {
    QPainterPath outerHalo, innerHalo;
    outerHalo.addEllipse(QPointF(30, 14), 14, 14);
    innerHalo.addEllipse(QPointF(30, 14), 11.8, 11.8);
    QPainterPath head;
    head.addEllipse(QPointF(30, 15.5), 6.8, 8.2);
    QPainterPath robe;
    robe.moveTo(24, 27);
    robe.cubicTo(17, 28, 12, 33, 11, 42); // shoulder into the mantle's sleeve
    robe.cubicTo(10, 52, 14, 58, 13, 64);
    robe.cubicTo(11, 74, 8, 84, 6, 93);
    robe.lineTo(54, 93);
    robe.cubicTo(52, 84, 49, 74, 47, 64);
    robe.cubicTo(46, 58, 50, 52, 49, 42);
    robe.cubicTo(48, 33, 43, 28, 36, 27);
    robe.closeSubpath();
    QPainterPath pedestal;
    pedestal.addRect(2, 95, 56, 5);
    return outerHalo.subtracted(innerHalo).united(head).united(robe).united(pedestal);
}

// Folds and arms cut out of the robe, so the figure reads at a small size.
QPainterPath FigureDetails() {
    QPainterPath details;
    details.moveTo(14, 40); // sleeves meeting at the joined hands
    details.cubicTo(17, 47, 22, 51, 28, 52);
    details.moveTo(46, 40);
    details.cubicTo(43, 47, 38, 51, 32, 52);
    details.moveTo(30, 58); // folds falling from the hands
    details.cubicTo(28, 70, 25, 82, 22, 92);
    details.moveTo(30, 58);
    details.cubicTo(32, 70, 35, 82, 38, 92);
    details.moveTo(24, 28); // neck line
    details.cubicTo(27, 31, 33, 31, 36, 28);
    QPainterPathStroker stroker;
    stroker.setWidth(2.0);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(details);
}

} // namespace

QPainterPath EmblemFigure() {
    return StandingFigure().subtracted(FigureDetails());
}

void PaintOwnerLogo(QPainter& painter, const QRectF& area, const QColor& ink) {
    // Work at a large size and fit the whole emblem into the area at the end.
    const QFont font = SerifFont(Face::Regular, 40);
    QPainterPath line1 = TextPath(QStringLiteral("VENDRAL"), font, 9);
    QPainterPath line2 = TextPath(QStringLiteral("GYŰJTEMÉNY"), font, 2);
    const qreal width = line2.boundingRect().width();
    line1 = line1.translated(
        -line1.boundingRect().left() + (width - line1.boundingRect().width()) / 2, 0);
    line2 = line2.translated(-line2.boundingRect().left(), 0);

    QPainterPath figure = EmblemFigure();
    const qreal figureScale = 2.1;
    QTransform place;
    place.translate(width / 2 - 30 * figureScale, 0);
    place.scale(figureScale, figureScale);
    figure = place.map(figure);

    const qreal gap = 16;
    const qreal figureBottom = figure.boundingRect().bottom();
    line1 = line1.translated(0, figureBottom + gap - line1.boundingRect().top());
    line2 = line2.translated(0, line1.boundingRect().bottom() + 10 - line2.boundingRect().top());

    QPainterPath emblem;
    emblem.addPath(figure);
    emblem.addPath(line1);
    emblem.addPath(line2);
    // Stretch to the area: the logo's box is given, and a little anamorphosis is invisible.
    const QRectF ink0 = emblem.boundingRect();
    const QRectF target = area.adjusted(0.5, 0.5, -0.5, -0.5);
    QTransform fit;
    fit.translate(target.left(), target.top());
    fit.scale(target.width() / ink0.width(), target.height() / ink0.height());
    fit.translate(-ink0.left(), -ink0.top());
    FillPath(painter, fit.map(emblem), ink);
}

void PaintSupporterEmblem(QPainter& painter, const QRectF& box, int which, const QColor& ink,
                          const QColor& ground) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 40.0, box.height() / 40.0);
    QPen pen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    switch (which % 4) {
    case 0: { // a shield with a double cross
        QPainterPath shield;
        shield.moveTo(6, 4);
        shield.lineTo(34, 4);
        shield.lineTo(34, 20);
        shield.cubicTo(34, 30, 26, 35, 20, 38);
        shield.cubicTo(14, 35, 6, 30, 6, 20);
        shield.closeSubpath();
        painter.setBrush(ink);
        painter.drawPath(shield);
        painter.setPen(QPen(ground, 2.6, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(20, 9), QPointF(20, 31));
        painter.drawLine(QPointF(14, 14), QPointF(26, 14));
        painter.drawLine(QPointF(12, 21), QPointF(28, 21));
        break;
    }
    case 1: { // a tower in a ring
        painter.drawEllipse(QPointF(20, 20), 17, 17);
        painter.setBrush(ink);
        painter.setPen(Qt::NoPen);
        QPainterPath tower;
        tower.addRect(14, 15, 12, 18);
        for (int i = 0; i < 3; ++i)
            tower.addRect(14 + i * 4.5, 11, 3, 5);
        painter.drawPath(tower);
        painter.setBrush(ground);
        painter.drawRoundedRect(QRectF(18.5, 25, 3, 8), 1.5, 1.5);
        break;
    }
    case 2: { // an open book
        QPainterPath book;
        book.moveTo(20, 12);
        book.cubicTo(14, 8, 8, 8, 3, 10);
        book.lineTo(3, 32);
        book.cubicTo(8, 30, 14, 30, 20, 34);
        book.cubicTo(26, 30, 32, 30, 37, 32);
        book.lineTo(37, 10);
        book.cubicTo(32, 8, 26, 8, 20, 12);
        book.closeSubpath();
        painter.drawPath(book);
        painter.drawLine(QPointF(20, 12), QPointF(20, 33));
        pen.setWidthF(1.2);
        painter.setPen(pen);
        for (int i = 0; i < 3; ++i) {
            painter.drawLine(QPointF(7, 16 + i * 5), QPointF(16, 17 + i * 5));
            painter.drawLine(QPointF(24, 17 + i * 5), QPointF(33, 16 + i * 5));
        }
        break;
    }
    default: { // a key under a crown of three points
        painter.drawEllipse(QPointF(12, 24), 6.5, 6.5);
        painter.drawLine(QPointF(18.5, 24), QPointF(36, 24));
        painter.drawLine(QPointF(31, 24), QPointF(31, 30));
        painter.drawLine(QPointF(35, 24), QPointF(35, 29));
        QPainterPath crown;
        crown.moveTo(8, 13);
        crown.lineTo(10, 4);
        crown.lineTo(15, 9);
        crown.lineTo(20, 2);
        crown.lineTo(25, 9);
        crown.lineTo(30, 4);
        crown.lineTo(32, 13);
        crown.closeSubpath();
        painter.setBrush(ink);
        painter.drawPath(crown);
        break;
    }
    }
    painter.restore();
}

void PaintHandwrittenMark(QPainter& painter, const QRectF& box, const QColor& ink) {
    // A quick looping signature stroke with a flourish underneath.
    QPainterPath stroke;
    const qreal w = box.width(), h = box.height();
    stroke.moveTo(0, h * 0.75);
    for (int i = 0; i < 5; ++i) {
        const qreal x = w * (0.06 + i * 0.13);
        stroke.cubicTo(x + w * 0.05, h * 0.05, x + w * 0.1, h * 0.05, x + w * 0.07, h * 0.7);
        stroke.cubicTo(x + w * 0.06, h * 0.85, x + w * 0.12, h * 0.8, x + w * 0.13, h * 0.6);
    }
    stroke.cubicTo(w * 0.8, h * 0.4, w * 0.9, h * 0.5, w * 0.75, h * 0.92);
    stroke.cubicTo(w * 0.6, h * 1.0, w * 0.3, h * 0.95, w * 0.98, h * 0.85);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(box.topLeft());
    painter.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(stroke);
    painter.restore();
}

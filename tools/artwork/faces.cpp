#include "tools/artwork/faces.h"

#include "tools/artwork/lettering.h"
#include "tools/artwork/palette.h"

#include <QPainterPath>
#include <QPolygonF>

namespace {

QColor Shade(const QColor& colour, int percent) {
    return percent > 0 ? colour.lighter(100 + percent) : colour.darker(100 - percent);
}

} // namespace

QImage FlatImage(QSize size, const QColor& colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void PaintOutline(QImage& image, const QColor& colour, bool sides) {
    QPainter painter(&image);
    const int w = image.width(), h = image.height();
    painter.fillRect(0, 0, w, 1, colour);
    painter.fillRect(0, h - 1, w, 1, colour);
    if (sides) {
        painter.fillRect(0, 0, 2, h, colour);
        painter.fillRect(w - 2, 0, 2, h, colour);
    }
}

void LetterFace(QPainter& painter, const QRect& face, const QString& text, bool italic,
                qreal pixelSize, const QColor& colour) {
    const QFont font = SerifFont(italic ? Face::Italic : Face::Regular, pixelSize);
    // Centre the span from the capitals' top to the descenders' foot, so faces in a row
    // share one baseline whether or not their words have descenders.
    const qreal capHeight = -TextPath(QStringLiteral("H"), font).boundingRect().top();
    const qreal descent = TextPath(QStringLiteral("g"), font).boundingRect().bottom();
    const QRectF flat(face);
    PaintText(painter, text, font, flat.center().x(), flat.center().y() + (capHeight - descent) / 2,
              colour, 0.03 * pixelSize, pixelSize / 22);
}

void PaintSunken(QPainter& painter, const QRect& flat, const QColor& field, const QColor& ground) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect rim = flat.adjusted(-2, -2, 2, 2);
    painter.fillRect(rim, Shade(ground, 8));
    painter.fillRect(rim.adjusted(0, 0, -1, -1), Shade(ground, -24));
    painter.fillRect(rim.adjusted(1, 1, -1, -1), Shade(ground, -12));
    painter.fillRect(flat, field);
    painter.restore();
}

void PaintRaisedFace(QPainter& painter, const QRect& flat, const QColor& face) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect outer = flat.adjusted(-1, -2, 1, 3);
    painter.fillRect(outer, Shade(face, -30));                       // dark rim, bottom right
    painter.fillRect(outer.adjusted(0, 0, -1, -1), Shade(face, 18)); // light rim, top left
    painter.fillRect(flat.adjusted(0, 0, 0, 2), Shade(face, -14));   // inner shadow below
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width() - 1, 1), Shade(face, 30));
    painter.fillRect(flat, face);
    painter.restore();
}

void PaintPanel(QPainter& painter, const QRect& flat, const QColor& colour, int shadow) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = shadow; i >= 1; --i) {
        QColor dark(0, 0, 0, 10 + (shadow - i) * 6);
        painter.fillRect(flat.translated(i, i), dark);
    }
    painter.fillRect(flat, colour);
    painter.restore();
}

void PaintFrame(QPainter& painter, const QRect& flat, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(colour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(flat.adjusted(-1, -1, 0, 0));
    painter.restore();
}

void PaintChevron(QPainter& painter, const QRect& box, bool pointsLeft, const QColor& fill,
                  const QColor& edge) {
    // Drawn left-pointing in box coordinates, mirrored for the right one.
    const qreal w = box.width(), h = box.height();
    QPolygonF shape;
    shape << QPointF(w - 0.6, 0.6) << QPointF(4.4, h / 2) << QPointF(w - 0.6, h - 0.6)
          << QPointF(w - 6.4, h - 0.6) << QPointF(0.6, h / 2) << QPointF(w - 6.4, 0.6);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(box.topLeft());
    if (!pointsLeft) {
        painter.translate(w, 0);
        painter.scale(-1, 1);
    }
    painter.setPen(QPen(edge, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPolygon(shape);
    painter.restore();
}

void PaintRadio(QPainter& painter, const QRectF& area, bool selected) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF centre = area.center();
    const qreal radius = std::min(area.width(), area.height()) / 2;
    // A sunken ring: darker above, lighter below, like a hole in the tan ground.
    QLinearGradient rim(centre.x(), centre.y() - radius, centre.x(), centre.y() + radius);
    rim.setColorAt(0, Shade(Palette::MainButtonLettering, -10));
    rim.setColorAt(1, Shade(Palette::MainFace, 20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(rim);
    painter.drawEllipse(centre, radius - 0.5, radius - 0.5);
    painter.setBrush(Palette::Panel);
    painter.drawEllipse(centre, radius - 2.5, radius - 2.5);
    if (selected) {
        QRadialGradient dot(centre - QPointF(1.2, 1.2), radius * 0.6);
        dot.setColorAt(0, Shade(Palette::Lettering, 40));
        dot.setColorAt(1, Palette::Lettering);
        painter.setBrush(dot);
        painter.drawEllipse(centre, radius * 0.45, radius * 0.45);
    }
    painter.restore();
}

void PaintTriangle(QPainter& painter, const QRect& box, bool pointsLeft, const QColor& colour) {
    const QRectF r = QRectF(box).adjusted(0.3, 0.3, -0.3, -0.3);
    QPolygonF shape;
    if (pointsLeft)
        shape << QPointF(r.right(), r.top()) << QPointF(r.left(), r.center().y())
              << QPointF(r.right(), r.bottom());
    else
        shape << QPointF(r.left(), r.top()) << QPointF(r.right(), r.center().y())
              << QPointF(r.left(), r.bottom());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(shape);
    painter.restore();
}

#include "tools/artwork/exhibitionhall.h"

#include "tools/artwork/altarparts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <random>

namespace {

// A pinhole camera in a hall 6 wide and 4 high, standing 1.6 above the floor; x to the right,
// y up, z into the picture. The back wall stands at z = 8.5.
struct Camera {
    qreal cx, cy, focal;
    QPointF operator()(qreal x, qreal y, qreal z) const {
        return {cx + focal * x / z, cy - focal * y / z};
    }
};

constexpr qreal HalfWidth = 3, Floor = -1.6, Ceiling = 2.4, Back = 8.5, Near = 1.5;

QImage AltarpieceImage(int palette, unsigned seed) {
    QImage image(400, 480, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Random random(seed);
    PaintAltarpiece(painter, image.rect(), ColoursFor(palette), random);
    return image;
}

// Hangs an altarpiece on a wall: its picture mapped onto the wall's perspective quad.
void Hang(QPainter& painter, const QImage& altar, const QPolygonF& quad) {
    QTransform transform;
    const QPolygonF source(QRectF(altar.rect()));
    if (!QTransform::quadToQuad(QPolygonF() << source[0] << source[1] << source[2] << source[3],
                                quad, transform))
        return;
    painter.save();
    painter.setTransform(transform);
    painter.drawImage(0, 0, altar);
    painter.restore();
}

void Spotlight(QPainter& painter, QPointF centre, qreal radius) {
    QRadialGradient light(centre, radius);
    light.setColorAt(0, QColor(255, 240, 205, 90));
    light.setColorAt(1, QColor(255, 240, 205, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawEllipse(centre, radius, radius);
}

void PaintRoom(QPainter& painter, const Camera& camera, QSize size) {
    const QPointF backTopLeft = camera(-HalfWidth, Ceiling, Back);
    const QPointF backBottomRight = camera(HalfWidth, Floor, Back);
    const QRectF back(backTopLeft, backBottomRight);

    // Ceiling, then the walls and floor over it, each a perspective quad.
    QLinearGradient ceiling(0, 0, 0, back.top());
    ceiling.setColorAt(0, QColor(86, 78, 70));
    ceiling.setColorAt(1, QColor(140, 130, 118));
    painter.fillRect(QRectF(0, 0, size.width(), back.top() + 1), ceiling);

    auto wall = [&](qreal x) {
        return QPolygonF() << camera(x, Ceiling, Near) << camera(x, Ceiling, Back)
                           << camera(x, Floor, Back) << camera(x, Floor, Near);
    };
    for (qreal x : {-HalfWidth, HalfWidth}) {
        const QPolygonF side = wall(x);
        QLinearGradient shade(side[0], QPointF(side[1].x(), side[0].y()));
        shade.setColorAt(0, QColor(222, 212, 196));
        shade.setColorAt(1, QColor(168, 158, 144));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawPolygon(side);
    }
    QLinearGradient backShade(back.topLeft(), back.bottomLeft());
    backShade.setColorAt(0, QColor(176, 166, 150));
    backShade.setColorAt(1, QColor(196, 186, 170));
    painter.fillRect(back, backShade);

    const QPolygonF floor = QPolygonF()
                            << camera(-HalfWidth, Floor, Near) << camera(-HalfWidth, Floor, Back)
                            << camera(HalfWidth, Floor, Back) << camera(HalfWidth, Floor, Near);
    QLinearGradient stone(QPointF(0, back.bottom()), QPointF(0, size.height()));
    stone.setColorAt(0, QColor(120, 100, 84));
    stone.setColorAt(1, QColor(166, 140, 114));
    painter.setBrush(stone);
    painter.drawPolygon(floor);

    // Stone slabs: joints along the hall and across it.
    painter.setPen(QPen(QColor(90, 74, 62), 1.2));
    for (qreal x = -HalfWidth; x <= HalfWidth + 0.01; x += 0.75)
        painter.drawLine(camera(x, Floor, Near), camera(x, Floor, Back));
    for (qreal z = Near; z <= Back; z += 0.75)
        painter.drawLine(camera(-HalfWidth, Floor, z), camera(HalfWidth, Floor, z));

    // Transverse ribs of the vault, and the skirting where walls meet the floor.
    painter.setPen(QPen(QColor(70, 62, 56), 3));
    for (qreal z = 2.2; z < Back; z += 2.1) {
        QPainterPath rib;
        rib.moveTo(camera(-HalfWidth, Ceiling, z));
        rib.quadTo(camera(0, Ceiling + 1.6, z), camera(HalfWidth, Ceiling, z));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(rib);
    }
    painter.setPen(QPen(QColor(92, 80, 70), 4));
    painter.drawLine(camera(-HalfWidth, Floor + 0.12, Near),
                     camera(-HalfWidth, Floor + 0.12, Back));
    painter.drawLine(camera(HalfWidth, Floor + 0.12, Near), camera(HalfWidth, Floor + 0.12, Back));
    painter.drawLine(camera(-HalfWidth, Floor + 0.12, Back), camera(HalfWidth, Floor + 0.12, Back));
}

void PaintBench(QPainter& painter, const Camera& camera) {
    const qreal z0 = 4.6, z1 = 5.4, top = Floor + 0.45;
    const QPolygonF seat = QPolygonF() << camera(-1.1, top, z0) << camera(1.1, top, z0)
                                       << camera(1.1, top, z1) << camera(-1.1, top, z1);
    const QPolygonF front = QPolygonF()
                            << camera(-1.1, top, z0) << camera(1.1, top, z0)
                            << camera(1.1, top - 0.08, z0) << camera(-1.1, top - 0.08, z0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60)); // its shadow
    painter.drawPolygon(QPolygonF()
                        << camera(-1.2, Floor, z0 + 0.1) << camera(1.2, Floor, z0 + 0.1)
                        << camera(1.2, Floor, z1 + 0.2) << camera(-1.2, Floor, z1 + 0.2));
    painter.setBrush(QColor(40, 30, 24));
    for (qreal x : {-0.95, 0.95})
        painter.drawPolygon(QPolygonF()
                            << camera(x - 0.06, top, z0) << camera(x + 0.06, top, z0)
                            << camera(x + 0.06, Floor, z0) << camera(x - 0.06, Floor, z0));
    painter.setBrush(QColor(92, 66, 44));
    painter.drawPolygon(seat);
    painter.setBrush(QColor(62, 44, 30));
    painter.drawPolygon(front);
}

// The grain of a photographic print, the same every run.
void Grain(QImage& image) {
    std::mt19937 random(1474);
    std::uniform_int_distribution<int> noise(-5, 5);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = noise(random);
            line[x] =
                qRgb(std::clamp(qRed(line[x]) + n, 0, 255), std::clamp(qGreen(line[x]) + n, 0, 255),
                     std::clamp(qBlue(line[x]) + n, 0, 255));
        }
    }
}

} // namespace

QImage PaintExhibitionHall(QSize size) {
    // Rendered at twice the size and reduced, as a photograph is sharper than its screen.
    const QSize large = size * 2;
    QImage image(large, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const Camera camera{large.width() / 2.0, large.height() * 0.44,
                        large.width() / 2.0 * 2.2 / HalfWidth};

    PaintRoom(painter, camera, large);

    // The main altar against the back wall, two on each side wall.
    const QPointF backLeft = camera(-1.35, 2.1, Back - 0.05);
    const QPointF backRight = camera(1.35, Floor, Back - 0.05);
    Spotlight(painter, QRectF(backLeft, backRight).center(), QRectF(backLeft, backRight).width());
    const QRectF backAltar(backLeft, backRight);
    Hang(painter, AltarpieceImage(0, 11),
         QPolygonF() << backAltar.topLeft() << backAltar.topRight() << backAltar.bottomRight()
                     << backAltar.bottomLeft());

    const struct {
        qreal x, z0, z1;
        int palette;
    } sides[4] = {{-HalfWidth + 0.02, 2.8, 4.8, 2},
                  {-HalfWidth + 0.02, 5.8, 7.4, 4},
                  {HalfWidth - 0.02, 3.1, 5.1, 3},
                  {HalfWidth - 0.02, 6.0, 7.6, 1}};
    for (const auto& side : sides) {
        const qreal top = 1.75, bottom = Floor;
        const QPolygonF quad = QPolygonF()
                               << camera(side.x, top, side.x < 0 ? side.z0 : side.z1)
                               << camera(side.x, top, side.x < 0 ? side.z1 : side.z0)
                               << camera(side.x, bottom, side.x < 0 ? side.z1 : side.z0)
                               << camera(side.x, bottom, side.x < 0 ? side.z0 : side.z1);
        Spotlight(painter, quad.boundingRect().center(), quad.boundingRect().height() * 0.7);
        Hang(painter, AltarpieceImage(side.palette, 20 + side.palette), quad);
    }
    PaintBench(painter, camera);

    // The photograph's darker corners.
    QRadialGradient vignette(QRectF(image.rect()).center(), large.width() * 0.62);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 110));
    painter.fillRect(image.rect(), vignette);
    painter.end();

    QImage photo = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    Grain(photo);
    return photo;
}

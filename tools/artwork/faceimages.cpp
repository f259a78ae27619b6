#include "tools/artwork/faceimages.h"

#include "tools/artwork/faces.h"
#include "tools/artwork/layout.h"
#include "tools/artwork/palette.h"

QImage RadioFace(bool selected, const QRectF& ring) {
    QImage image(MainLayout::RadioControl1().size(), QImage::Format_RGB32);
    image.fill(Palette::Ground);
    QPainter painter(&image);
    PaintRadio(painter, ring, selected);
    return image;
}

QImage ChevronFace(bool pointsLeft, bool active, const QColor& ground) {
    QImage image(MainLayout::LeftChevron().size(), QImage::Format_RGB32);
    image.fill(ground);
    QPainter painter(&image);
    PaintChevron(painter, image.rect(), pointsLeft,
                 active ? Palette::ChevronFill : Palette::InactiveFill,
                 active ? Palette::ChevronEdge : Palette::InactiveEdge);
    return image;
}

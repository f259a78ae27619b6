#include "exhibitionhall.h"

QImage PaintExhibitionHall(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(120, 90, 60));
    return image;
}

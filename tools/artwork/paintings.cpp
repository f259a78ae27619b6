#include "paintings.h"

#include <QPainter>

QImage PaintDemoPicture(int entry, int picture, const DemoPicture& spec) {
    QImage image(spec.size, QImage::Format_RGB32);
    image.fill(QColor(60 + entry * 8, 40 + picture * 10, 30));
    QPainter painter(&image);
    painter.fillRect(image.rect().adjusted(12, 12, -12, -12), QColor(200, 160, 60));
    painter.fillRect(image.rect().adjusted(30, 30, -30, -30), QColor(90, 60 + entry * 5, 120));
    return image;
}

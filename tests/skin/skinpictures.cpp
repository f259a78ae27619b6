#include "tests/skin/skinpictures.h"

#include "pictures/embeddedpicture.h"
#include "pictures/pictures.h"
#include "skin/regiondata.h"

#include <QBuffer>

QImage EdgedBackground(int width, int height, QColor fillColour, QColor edgeColour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fillColour);
    for (int y = 0; y < height; ++y) {
        image.setPixelColor(0, y, edgeColour);
        image.setPixelColor(width - 1, y, edgeColour);
    }
    return image;
}

std::vector<uint8_t> EmbeddedBitmap(const QImage& image) {
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    const std::vector<uint8_t> bytes(bmp.begin(), bmp.end());
    return FormatEmbeddedPicture("TBitmap", bytes);
}

std::vector<uint8_t> EmbeddedJpeg(int width, int height) {
    const std::vector<uint8_t> pixels(size_t(width) * height * 3, 128);
    return FormatEmbeddedPicture("TJPEGImage", EncodeJpeg(pixels.data(), width, height, false, 90));
}

std::vector<uint8_t> OneRectangleMask2(int left, int top, int right, int bottom) {
    return BuildMask2(std::vector<RegionRect>{{left, top, right, bottom}});
}

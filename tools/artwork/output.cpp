#include "tools/artwork/output.h"

#include "tools/artwork/picfile.h"

#include "pictures/pictures.h"

#include <QFile>

#include <stdexcept>

namespace {

// Top-down rows of R, G, B bytes without padding.
std::vector<std::uint8_t> PackedRgb(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<std::uint8_t> packed(static_cast<std::size_t>(rgb.width()) * rgb.height() * 3);
    for (int y = 0; y < rgb.height(); ++y)
        std::copy_n(rgb.constScanLine(y), rgb.width() * 3, packed.begin() + y * rgb.width() * 3);
    return packed;
}

} // namespace

std::vector<std::uint8_t> BmpBytes(const QImage& image) {
    return EncodeBmp24(PackedRgb(image).data(), image.width(), image.height());
}

std::vector<std::uint8_t> JpegBytes(const QImage& image, int quality) {
    return EncodeJpeg(PackedRgb(image).data(), image.width(), image.height(), false, quality, 72);
}

void WriteBytes(const QString& path, const std::vector<std::uint8_t>& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write " + path.toStdString());
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

void WriteBitmapPicture(const QString& dir, const QString& name, const QImage& image) {
    WriteBytes(dir + '/' + name + ".pic", WrapPicture("TBitmap", BmpBytes(image)));
}

void WriteJpegPicture(const QString& dir, const QString& name, const QImage& image, int quality) {
    WriteBytes(dir + '/' + name + ".pic", WrapPicture("TJPEGImage", JpegBytes(image, quality)));
}

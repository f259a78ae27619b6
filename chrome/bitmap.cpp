#include "bitmap.h"

#include "bmpformat.h"
#include "errors.h"

#include <cstring>

#include <QPainter>

QImage ImageFromDecodedBitmap(const DecodedBitmap& bitmap) {
    QImage image(bitmap.width, bitmap.height,
                 bitmap.hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const std::size_t rowBytes = static_cast<std::size_t>(bitmap.width) * 4;
    for (int y = 0; y < bitmap.height; ++y)
        std::memcpy(image.scanLine(y),
                    bitmap.pixels.data() + static_cast<std::size_t>(y) * bitmap.width, rowBytes);
    return image;
}

void TBitmap::LoadFromBytes(std::vector<std::uint8_t> bytes) {
    if (bytes.empty()) {
        bytes_.clear();
        image_ = QImage();
        return;
    }
    std::optional<DecodedBitmap> decoded = DecodeBmpFile(bytes);
    if (!decoded)
        throw EInvalidGraphic("Bitmap image is not valid");
    QImage image = ImageFromDecodedBitmap(*decoded);
    if (image.isNull())
        throw EInvalidGraphic("Bitmap image is not valid");
    bytes_ = std::move(bytes);
    image_ = std::move(image);
}

void TBitmap::Draw(QPainter& painter, const QRect& target) {
    if (!image_.isNull() && !target.isEmpty())
        painter.drawImage(target, image_);
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
    return std::unique_ptr<TGraphic>(new TBitmap(*this));
}

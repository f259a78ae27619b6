#include "pictures/bitmap.h"

#include "pictures/bmpformat.h"

#include <cstring>

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

QImage TBitmap::Decode(std::span<const std::uint8_t> bytes) const {
    const std::optional<DecodedBitmap> decoded = DecodeBmpFile(bytes);
    return decoded ? ImageFromDecodedBitmap(*decoded) : QImage();
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
    return std::unique_ptr<TGraphic>(new TBitmap(*this));
}

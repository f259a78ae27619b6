#include "pictures/bitmap.h"

#include "pictures/bmpformat.h"
#include "pictures/picturebounds.h"

QImage ImageFromDecodedBitmap(DecodedBitmap&& bitmap) {
    if (bitmap.width <= 0 || bitmap.height <= 0)
        return {};
    // The image takes over the decoded rows (0xAARRGGBB words are its 32-bit layout), so the
    // pixels are held once, not once as rows and once as an image.
    using Rows = decltype(bitmap.pixels);
    auto* pixels = new Rows(std::move(bitmap.pixels));
    return QImage(
        reinterpret_cast<const uchar*>(pixels->data()), bitmap.width, bitmap.height,
        static_cast<qsizetype>(bitmap.width) * 4,
        bitmap.hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32,
        [](void* rows) { delete static_cast<Rows*>(rows); }, pixels);
}

QImage TBitmap::Decode(std::span<const std::uint8_t> bytes) const {
    if (const std::optional<DibSize> claimed = ClaimedBmpSize(bytes))
        CheckPictureSize(claimed->width, claimed->height);
    std::optional<DecodedBitmap> decoded = DecodeBmpFile(bytes);
    return decoded ? ImageFromDecodedBitmap(std::move(*decoded)) : QImage();
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
    return std::unique_ptr<TGraphic>(new TBitmap(*this));
}

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
    // Few colours stay in their own depth until drawn: a 1-bit bitmap of 160 megapixels is
    // 20 MB as it is, 640 MB at 32 bits.
    if (std::optional<IndexedBitmap> indexed = DecodeIndexedBmpFile(bytes)) {
        using Rows = decltype(indexed->rows);
        auto* rows = new Rows(std::move(indexed->rows));
        QImage image(
            rows->data(), indexed->width, indexed->height, static_cast<qsizetype>(indexed->stride),
            indexed->bitsPerPixel == 1 ? QImage::Format_Mono : QImage::Format_Indexed8,
            [](void* held) { delete static_cast<Rows*>(held); }, rows);
        image.setColorTable(QList<QRgb>(indexed->palette.begin(), indexed->palette.end()));
        return image;
    }
    std::optional<DecodedBitmap> decoded = DecodeBmpFile(bytes);
    return decoded ? ImageFromDecodedBitmap(std::move(*decoded)) : QImage();
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
    return std::unique_ptr<TGraphic>(new TBitmap(*this));
}

#include "pictures/icon.h"

#include "pictures/bitmap.h"
#include "pictures/bmpformat.h"
#include "pictures/icoformat.h"

namespace {

QImage DecodeIconImage(std::span<const std::uint8_t> file) {
    const std::optional<IconEntry> entry = LargestIconImage(file);
    if (!entry)
        return {};
    if (entry->png) {
        QImage image;
        image.loadFromData(entry->data.data(), static_cast<int>(entry->data.size()), "PNG");
        return image;
    }
    const std::optional<DecodedBitmap> decoded = DecodeIconDib(entry->data);
    return decoded ? ImageFromDecodedBitmap(*decoded) : QImage();
}

} // namespace

QImage TIcon::Decode(std::span<const std::uint8_t> bytes) const {
    return DecodeIconImage(bytes);
}

std::unique_ptr<TGraphic> TIcon::Clone() const {
    return std::unique_ptr<TGraphic>(new TIcon(*this));
}

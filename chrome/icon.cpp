#include "icon.h"

#include "bitmap.h"
#include "bmpformat.h"
#include "icoformat.h"
#include "picturebounds.h"

namespace {

QImage DecodeIconImage(std::span<const std::uint8_t> file) {
    const std::optional<IconEntry> entry = LargestIconImage(file);
    if (!entry)
        return {};
    if (entry->png) {
        // The size in the PNG header (big-endian, after the signature and the chunk head).
        const auto word = [&](std::size_t at) {
            return std::int64_t{entry->data[at]} << 24 | entry->data[at + 1] << 16 |
                   entry->data[at + 2] << 8 | entry->data[at + 3];
        };
        if (entry->data.size() >= 24)
            CheckPictureSize(word(16), word(20));
        QImage image;
        image.loadFromData(entry->data.data(), static_cast<int>(entry->data.size()), "PNG");
        return image;
    }
    if (const std::optional<DibSize> claimed = ClaimedIconDibSize(entry->data))
        CheckPictureSize(claimed->width, claimed->height);
    std::optional<DecodedBitmap> decoded = DecodeIconDib(entry->data);
    return decoded ? ImageFromDecodedBitmap(std::move(*decoded)) : QImage();
}

} // namespace

QImage TIcon::Decode(std::span<const std::uint8_t> bytes) const {
    return DecodeIconImage(bytes);
}

std::unique_ptr<TGraphic> TIcon::Clone() const {
    return std::unique_ptr<TGraphic>(new TIcon(*this));
}

#include "pictures/icon.h"

#include "pictures/bitmap.h"
#include "pictures/bmpformat.h"
#include "pictures/icoformat.h"
#include "pictures/picturebounds.h"

#include <QImageReader>

namespace {

QImage DecodeIconImage(std::span<const std::uint8_t> file) {
    const std::optional<IconEntry> entry = LargestIconImage(file);
    if (!entry)
        return {};
    if (entry->png) {
        const std::optional<PngSize> size = SoundPngSize(entry->data);
        if (!size)
            return {};
        CheckPictureSize(size->width, size->height);
        // The toolkit's image reader refuses an image past its allocation limit, which would
        // read as a broken icon: such an image is refused by its size.
        const std::int64_t limitBytes = std::int64_t{QImageReader::allocationLimit()} << 20;
        if (limitBytes > 0 && size->width * size->height * 4 > limitBytes)
            throw EPictureTooLarge(size->width, size->height,
                                   std::to_string(size->width) + " x " +
                                       std::to_string(size->height) +
                                       " pixels (an icon's image at most " +
                                       std::to_string(limitBytes / 4 / 1'000'000) + " megapixels)");
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

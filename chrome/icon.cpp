#include "icon.h"

#include "bitmap.h"
#include "bmpformat.h"
#include "errors.h"
#include "icoformat.h"

#include <QPainter>

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

void TIcon::LoadFromBytes(std::vector<std::uint8_t> bytes) {
    if (bytes.empty()) {
        bytes_.clear();
        image_ = QImage();
        return;
    }
    QImage image = DecodeIconImage(bytes);
    if (image.isNull())
        throw EInvalidGraphic("Icon image is not valid");
    bytes_ = std::move(bytes);
    image_ = std::move(image);
}

void TIcon::Draw(QPainter& painter, const QRect& target) {
    if (!image_.isNull() && !target.isEmpty())
        painter.drawImage(target, image_);
}

std::unique_ptr<TGraphic> TIcon::Clone() const {
    return std::unique_ptr<TGraphic>(new TIcon(*this));
}

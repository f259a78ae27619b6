#include "pictures/rastergraphic.h"

#include "core/errors.h"

#include <QPainter>

void RasterGraphic::LoadFromBytes(std::vector<std::uint8_t> bytes) {
    if (bytes.empty()) {
        bytes_.clear();
        image_ = QImage();
        return;
    }
    QImage image = Decode(bytes);
    if (image.isNull())
        throw EInvalidGraphic(InvalidMessage());
    bytes_ = std::move(bytes);
    image_ = std::move(image);
}

void RasterGraphic::Draw(QPainter& painter, const QRect& target) {
    if (!image_.isNull() && !target.isEmpty())
        painter.drawImage(target, image_);
}

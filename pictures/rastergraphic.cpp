#include "pictures/rastergraphic.h"

#include "core/errors.h"

#include <QPainter>

void RasterGraphic::LoadFromBytes(std::vector<std::uint8_t> bytes) {
    if (bytes.empty()) {
        data_.reset();
        return;
    }
    std::shared_ptr<PictureData> data = SharedPictureData(ClassName(), std::move(bytes));
    if (!data->decoded) {
        QImage image = Decode(data->bytes);
        if (image.isNull())
            throw EInvalidGraphic(InvalidMessage());
        data->bitmap = std::move(image);
        data->decoded = true;
    }
    data_ = std::move(data);
}

std::vector<std::uint8_t> RasterGraphic::SaveToBytes() const {
    return data_ ? data_->bytes : std::vector<std::uint8_t>();
}

void RasterGraphic::Draw(QPainter& painter, const QRect& target) {
    const QImage image = Image();
    if (!image.isNull() && !target.isEmpty())
        painter.drawImage(target, image);
}

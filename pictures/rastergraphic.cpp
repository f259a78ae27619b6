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
    part_ = QRect();
}

void RasterGraphic::PrepareDrawing(QSize target, QRect visible) {
    const QRect whole(QPoint(0, 0), Image().size());
    part_ = target == whole.size() && !visible.isEmpty() && !visible.contains(whole)
                ? visible & whole
                : QRect();
}

QImage RasterGraphic::ToImage() {
    const QImage image = Image();
    return part_.isEmpty() ? image : image.copy(part_);
}

std::vector<std::uint8_t> RasterGraphic::SaveToBytes() const {
    return data_ ? data_->bytes : std::vector<std::uint8_t>();
}

void RasterGraphic::Draw(QPainter& painter, const QRect& target) {
    const QImage image = Image();
    if (image.isNull() || target.isEmpty())
        return;
    if (image.depth() >= 24) {
        painter.drawImage(target, image);
        return;
    }
    // The toolkit would convert the whole bitmap to 32 bits before drawing any of it: only the
    // part that shows is taken, brought to the size it is drawn at (rows and columns dropped or
    // repeated) while still in its own depth, and converted then.
    QRect shown = target;
    if (painter.hasClipping())
        shown &= painter.clipBoundingRect().toAlignedRect();
    if (const QPaintDevice* device = painter.device())
        shown &=
            painter.transform().inverted().mapRect(QRect(0, 0, device->width(), device->height()));
    if (shown.isEmpty())
        return;
    const double across = static_cast<double>(image.width()) / target.width();
    const double down = static_cast<double>(image.height()) / target.height();
    const QRect source =
        QRect(QPoint(static_cast<int>((shown.left() - target.left()) * across),
                     static_cast<int>((shown.top() - target.top()) * down)),
              QPoint(static_cast<int>((shown.right() + 1 - target.left()) * across) - 1,
                     static_cast<int>((shown.bottom() + 1 - target.top()) * down) - 1)) &
        image.rect();
    if (source.isEmpty())
        return;
    QImage part = image.copy(source);
    if (part.size() != shown.size())
        part = part.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    painter.drawImage(shown, part);
}

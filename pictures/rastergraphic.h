#pragma once
// A picture decoded whole when it loads (bitmaps, icons): it keeps its file's bytes, so saving
// writes back exactly what was loaded, and its pixels, which it draws stretched to the target
// with rows and columns dropped or repeated.

#include "pictures/sharedpictures.h"
#include "pictures/tgraphic.h"

#include <span>

class RasterGraphic : public TGraphic {
public:
    int Width() const override { return Image().width(); }
    int Height() const override { return Image().height(); }

    // Empty bytes make an empty picture; contents the class cannot decode raise
    // EInvalidGraphic with its message, a claimed size past the bound EPictureTooLarge, and
    // leave the picture as it was.
    void LoadFromBytes(std::vector<std::uint8_t> bytes) override;
    std::vector<std::uint8_t> SaveToBytes() const override;

    void Draw(QPainter& painter, const QRect& target) override;
    // Only the visible part when drawing was prepared for one at the picture's own size.
    QImage ToImage() override;
    void PrepareDrawing(QSize target, QRect visible = {}) override;
    QPoint ImageOffset() const override { return part_.topLeft(); }

protected:
    RasterGraphic() = default;
    RasterGraphic(const RasterGraphic&) = default;

    // A null image when the bytes are not a picture of the class; raises EPictureTooLarge
    // before decoding when the header claims too much.
    virtual QImage Decode(std::span<const std::uint8_t> bytes) const = 0;
    virtual const char* InvalidMessage() const = 0;

private:
    QImage Image() const { return data_ ? data_->bitmap : QImage(); }

    // Shared with copies and with every picture of the class loaded from the same bytes.
    std::shared_ptr<PictureData> data_;
    QRect part_;
};

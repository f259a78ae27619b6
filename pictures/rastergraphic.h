#pragma once
// A picture decoded whole when it loads (bitmaps, icons): it keeps its file's bytes, so saving
// writes back exactly what was loaded, and its pixels, which it draws stretched to the target
// with rows and columns dropped or repeated.

#include "pictures/tgraphic.h"

#include <span>

class RasterGraphic : public TGraphic {
public:
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }

    // Empty bytes make an empty picture; contents the class cannot decode raise
    // EInvalidGraphic with its message and leave the picture as it was.
    void LoadFromBytes(std::vector<std::uint8_t> bytes) override;
    std::vector<std::uint8_t> SaveToBytes() const override { return bytes_; }

    void Draw(QPainter& painter, const QRect& target) override;
    QImage ToImage() override { return image_; }

protected:
    RasterGraphic() = default;
    RasterGraphic(const RasterGraphic&) = default;

    // A null image when the bytes are not a picture of the class.
    virtual QImage Decode(std::span<const std::uint8_t> bytes) const = 0;
    virtual const char* InvalidMessage() const = 0;

private:
    std::vector<std::uint8_t> bytes_;
    QImage image_;
};

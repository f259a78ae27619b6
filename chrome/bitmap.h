#pragma once
// A BMP picture. The file's bytes are kept, so saving writes back exactly what was loaded.

#include "tgraphic.h"

class TBitmap : public TGraphic {
public:
    TBitmap() = default;

    const char* ClassName() const override { return "TBitmap"; }
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }

    // EInvalidGraphic "Bitmap image is not valid" for contents that are no bitmap.
    void LoadFromBytes(std::vector<std::uint8_t> bytes) override;
    std::vector<std::uint8_t> SaveToBytes() const override { return bytes_; }

    void Draw(QPainter& painter, const QRect& target) override;
    std::unique_ptr<TGraphic> Clone() const override;
    QImage ToImage() override { return image_; }

private:
    TBitmap(const TBitmap&) = default;

    std::vector<std::uint8_t> bytes_;
    QImage image_;
};

struct DecodedBitmap;
// The decoded pixels as an image (32-bit, with alpha only when the data has it).
QImage ImageFromDecodedBitmap(const DecodedBitmap& bitmap);

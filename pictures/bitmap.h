#pragma once
// A BMP picture.

#include "pictures/rastergraphic.h"

class TBitmap : public RasterGraphic {
public:
    TBitmap() = default;

    const char* ClassName() const override { return "TBitmap"; }
    std::unique_ptr<TGraphic> Clone() const override;

protected:
    QImage Decode(std::span<const std::uint8_t> bytes) const override;
    const char* InvalidMessage() const override { return "Bitmap image is not valid"; }

private:
    TBitmap(const TBitmap&) = default;
};

struct DecodedBitmap;
// The decoded pixels as an image (32-bit, with alpha only when the data has it), taking over
// the bitmap's rows.
QImage ImageFromDecodedBitmap(DecodedBitmap&& bitmap);

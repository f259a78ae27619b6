#pragma once
// An icon picture: the largest image of an .ico file, masked parts transparent.

#include "pictures/rastergraphic.h"

class TIcon : public RasterGraphic {
public:
    TIcon() = default;

    const char* ClassName() const override { return "TIcon"; }
    std::unique_ptr<TGraphic> Clone() const override;

protected:
    QImage Decode(std::span<const std::uint8_t> bytes) const override;
    const char* InvalidMessage() const override { return "Icon image is not valid"; }

private:
    TIcon(const TIcon&) = default;
};

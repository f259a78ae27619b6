#pragma once
// An icon picture: the largest image of an .ico file, masked parts transparent.

#include "tgraphic.h"

class TIcon : public TGraphic {
public:
    TIcon() = default;

    const char* ClassName() const override { return "TIcon"; }
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }

    // EInvalidGraphic "Icon image is not valid" for contents that are no icon.
    void LoadFromBytes(std::vector<std::uint8_t> bytes) override;
    std::vector<std::uint8_t> SaveToBytes() const override { return bytes_; }

    void Draw(QPainter& painter, const QRect& target) override;
    std::unique_ptr<TGraphic> Clone() const override;
    QImage ToImage() override { return image_; }

private:
    TIcon(const TIcon&) = default;

    std::vector<std::uint8_t> bytes_;
    QImage image_;
};

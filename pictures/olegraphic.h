#pragma once
// The picture class of names without an extension: it loads nothing, touches no file and is
// an empty 0 x 0 picture that draws nothing.

#include "pictures/tgraphic.h"

class TOleGraphic : public TGraphic {
public:
    TOleGraphic() = default;

    const char* ClassName() const override { return "TOleGraphic"; }
    int Width() const override { return 0; }
    int Height() const override { return 0; }

    void LoadFromFile(const std::string&, TextEncoding = TextEncoding::Cp1250) override {}
    void LoadFromBytes(std::vector<std::uint8_t>) override {}
    std::vector<std::uint8_t> SaveToBytes() const override { return {}; }

    void Draw(QPainter&, const QRect&) override {}
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TOleGraphic>(); }
    QImage ToImage() override { return {}; }
};

#pragma once
// A Windows metafile (wmf or emf). The program only needs its size: drawing its records is
// left out, so it draws nothing.

#include "pictures/tgraphic.h"

class TMetafile : public TGraphic {
public:
    TMetafile() = default;

    const char* ClassName() const override { return "TMetafile"; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    bool Enhanced() const { return enhanced_; }

    // EInvalidGraphic "Metafile is not valid" for contents that are no metafile.
    void LoadFromBytes(std::vector<std::uint8_t> bytes) override;
    std::vector<std::uint8_t> SaveToBytes() const override { return bytes_; }

    void Draw(QPainter&, const QRect&) override {}
    std::unique_ptr<TGraphic> Clone() const override;
    QImage ToImage() override { return {}; }

private:
    TMetafile(const TMetafile&) = default;

    std::vector<std::uint8_t> bytes_;
    int width_ = 0;
    int height_ = 0;
    bool enhanced_ = false;
};

#pragma once
// A Windows metafile (wmf or emf): its size from its header, its drawing through the metafile
// libraries, kept as a vector picture that scales to any rectangle.

#include "pictures/tgraphic.h"

#include <QImage>

class QSvgRenderer;

class TMetafile : public TGraphic {
public:
    TMetafile();
    ~TMetafile() override;

    const char* ClassName() const override { return "TMetafile"; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    bool Enhanced() const { return enhanced_; }

    // EInvalidGraphic "Metafile is not valid" for contents that are no metafile, or that the
    // library rejects.
    void LoadFromBytes(std::vector<std::uint8_t> bytes) override;
    std::vector<std::uint8_t> SaveToBytes() const override { return bytes_; }

    // Scaled to the target and cut at it.
    void Draw(QPainter& painter, const QRect& target) override;
    std::unique_ptr<TGraphic> Clone() const override;
    // Drawn at its own size on a transparent ground: only the visible part when drawing was
    // prepared for one (ImageOffset says where it lies).
    QImage ToImage() override;
    void PrepareDrawing(QSize target, QRect visible = {}) override;
    QPoint ImageOffset() const override { return part_.topLeft(); }

private:
    TMetafile(const TMetafile&) = default;

    std::vector<std::uint8_t> bytes_;
    int width_ = 0;
    int height_ = 0;
    bool enhanced_ = false;
    // Shared by copies: nothing changes it after the load.
    std::shared_ptr<QSvgRenderer> drawing_;
    QImage drawn_; // the last drawing of a target no larger than a window, at its size
    QRect part_;   // of the picture at its own size that ToImage draws; empty for all of it
};

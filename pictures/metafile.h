#pragma once
// A Windows metafile (wmf or emf): its size from its header, its drawing through the metafile
// libraries, kept as a vector picture that scales to any rectangle.

#include "pictures/tgraphic.h"

#include <QImage>

class QSvgRenderer;
struct MetafileDrawing;
struct MetafileRender;

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

    // Scaled to the target and cut at it, on this thread.
    void Draw(QPainter& painter, const QRect& target) override;
    // Starts rendering what shows of target on the decode pool.
    void PrepareDrawing(QSize target, QRect visible = {}) override;
    // Draws the render of what shows (of the target, within the painter's surface), starting
    // it when none covers that; a render that cannot get its image raises EOutOfMemory at its
    // first drawing.
    bool DrawWithin(QPainter& painter, const QRect& target,
                    std::chrono::milliseconds wait) override;
    bool DrawReady() const override;
    bool DecodeUnshown() const override { return render_ && !renderShown_; }
    // A copy starts with no render.
    std::unique_ptr<TGraphic> Clone() const override;
    // Drawn at its own size on a transparent ground: only the visible part when drawing was
    // prepared for one (ImageOffset says where it lies); a render prepared for that is taken.
    QImage ToImage() override;
    QPoint ImageOffset() const override { return part_.topLeft(); }

private:
    TMetafile(const TMetafile&) = default;
    void StartRender(QSize target, QRect area);
    QSvgRenderer& Renderer();
    void AbandonRender();

    std::vector<std::uint8_t> bytes_;
    int width_ = 0;
    int height_ = 0;
    bool enhanced_ = false;
    // Shared by copies: nothing changes it after the load.
    std::shared_ptr<const MetafileDrawing> source_;
    // The drawing parsed: on this thread, made at the first drawing here and shared by copies;
    // the one parsed at the load goes to the first render on the pool, which parses no more.
    std::shared_ptr<QSvgRenderer> drawing_;
    std::shared_ptr<QSvgRenderer> parsedAtLoad_;
    QImage drawn_; // the last drawing of a target no larger than a window, at its size
    QRect part_;   // of the picture at its own size that ToImage draws; empty for all of it
    QSize preparedTarget_;
    QRect preparedVisible_;                  // in preparedTarget_'s coordinates; empty: all of it
    std::shared_ptr<MetafileRender> render_; // the latest asked for; null before
    bool renderShown_ = false;               // render_ has been drawn (or its error raised)
};

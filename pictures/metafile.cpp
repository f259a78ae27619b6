#include "pictures/metafile.h"

#include "core/errors.h"
#include "pictures/metafileformat.h"
#include "pictures/metafilerender.h"
#include "pictures/metafilesandbox.h"
#include "pictures/metafilesvg.h"
#include "pictures/picturebounds.h"

#include <cmath>
#include <new>

#include <QPainter>
#include <QSvgRenderer>

namespace {

int Pixels(double value) {
    return static_cast<int>(std::lround(std::abs(value)));
}

// Past this a render's own image would cost more than drawing straight onto the surface: such an
// area is drawn on the painter's thread, as for the printed page.
constexpr std::int64_t MaxRenderedPixels = 4096 * 4096;

std::int64_t Area(QRect rect) {
    return std::int64_t{rect.width()} * rect.height();
}

} // namespace

TMetafile::TMetafile() = default;

TMetafile::~TMetafile() {
    AbandonRender();
}

void TMetafile::AbandonRender() {
    if (render_)
        *render_->abandoned = true;
    render_.reset();
    renderShown_ = false;
}

void TMetafile::LoadFromBytes(std::vector<std::uint8_t> bytes) {
    // No bytes, no picture: as for the other classes, an empty file is an empty picture.
    if (bytes.empty()) {
        AbandonRender();
        *this = TMetafile();
        return;
    }
    const std::optional<MetafileSize> size = ReadMetafileSize(bytes);
    if (!size)
        throw EInvalidGraphic("Metafile is not valid");
    // The widget showing it takes the size, and the print renders it at that size.
    CheckPictureSize(size->width, size->height);
    if (const std::uint64_t records = CountMetafileRecords(bytes, size->enhanced);
        records > MaxMetafileRecords)
        throw EPictureTooComplex(std::to_string(records) + " records (at most " +
                                 std::to_string(MaxMetafileRecords) + ")");
    const std::string tooLarge =
        "a drawing of more than " + std::to_string(MaxMetafileDrawingBytes / 1'000'000) + " MB";
    MetafileConversion converted;
    std::shared_ptr<QSvgRenderer> drawing;
    std::shared_ptr<MetafileDrawing> source;
    try {
        converted = ConvertMetafileInChild(bytes, size->enhanced);
        if (converted.end == MetafileChildEnd::TooLarge ||
            (converted.svg && converted.svg->svg.size() > MaxMetafileDrawingBytes))
            throw EPictureTooComplex(tooLarge); // a polygon of a million points, say
        if (converted.end == MetafileChildEnd::OutOfLimits)
            throw EPictureTooComplex("drawing it passed the time or memory it may take");
        if (!converted.svg)
            throw EInvalidGraphic("Metafile is not valid");
        source = std::make_shared<MetafileDrawing>(
            MetafileDrawing{converted.svg->svg, converted.svg->viewBox});
        drawing = ParseMetafileDrawing(*source);
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory();
    }
    if (!drawing->isValid())
        throw EInvalidGraphic("Metafile is not valid");

    int width = size->width;
    int height = size->height;
    // A plain WMF states no size: its logical units, as far as its drawing reaches, count as
    // pixels.
    if (!size->enhanced && width == 0 && height == 0) {
        width = Pixels(converted.svg->logicalSize.width());
        height = Pixels(converted.svg->logicalSize.height());
        CheckPictureSize(width, height);
    }
    AbandonRender();
    bytes_ = std::move(bytes);
    width_ = width;
    height_ = height;
    enhanced_ = size->enhanced;
    drawing_.reset();
    parsedAtLoad_ = std::move(drawing);
    source_ = std::move(source);
    drawn_ = QImage();
    part_ = QRect();
    preparedTarget_ = QSize();
    preparedVisible_ = QRect();
}

QSvgRenderer& TMetafile::Renderer() {
    if (!drawing_) {
        if (parsedAtLoad_)
            drawing_ = std::move(parsedAtLoad_);
        else
            drawing_ = ParseMetafileDrawing(*source_);
    }
    return *drawing_;
}

void TMetafile::Draw(QPainter& painter, const QRect& target) {
    if (!source_ || target.isEmpty())
        return;
    // Qt SVG walks every element of the drawing at every paint, a noticeable wait for one of
    // thousands of records: a drawing of a window's size or less is kept as drawn.
    constexpr std::int64_t KeptPixels = 1'000'000;
    if (std::int64_t{target.width()} * target.height() <= KeptPixels) {
        if (drawn_.size() != target.size()) {
            drawn_ = QImage(target.size(), QImage::Format_ARGB32_Premultiplied);
            if (drawn_.isNull())
                throw EOutOfMemory();
            drawn_.fill(Qt::transparent);
            QPainter onDrawn(&drawn_);
            Renderer().render(&onDrawn, QRectF(drawn_.rect()));
        }
        painter.drawImage(target.topLeft(), drawn_);
        return;
    }
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    Renderer().render(&painter, QRectF(target));
    painter.restore();
}

void TMetafile::PrepareDrawing(QSize target, QRect visible) {
    const QRect whole(0, 0, width_, height_);
    part_ = target == whole.size() && !visible.isEmpty() && !visible.contains(whole)
                ? visible & whole
                : QRect();
    preparedTarget_ = target;
    preparedVisible_ = visible;
    if (!source_ || target.isEmpty())
        return;
    QRect area(QPoint(0, 0), target);
    if (!visible.isEmpty())
        area &= visible;
    if (area.isEmpty() || Area(area) > MaxRenderedPixels ||
        (render_ && render_->target == target && render_->area.contains(area)))
        return;
    StartRender(target, area);
}

void TMetafile::StartRender(QSize target, QRect area) {
    AbandonRender();
    render_ = StartMetafileRender(source_, target, area, std::move(parsedAtLoad_));
    parsedAtLoad_.reset();
}

bool TMetafile::DrawReady() const {
    return !render_ ||
           render_->result.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

bool TMetafile::DrawWithin(QPainter& painter, const QRect& target, std::chrono::milliseconds wait) {
    if (!source_ || target.isEmpty())
        return true;
    // What can show: the part of the target prepared for, within the painter's surface and clip.
    QRect area(QPoint(0, 0), target.size());
    if (target.size() == preparedTarget_ && !preparedVisible_.isEmpty())
        area &= preparedVisible_;
    bool invertible = false;
    const QTransform toTarget = painter.combinedTransform().inverted(&invertible);
    if (invertible && painter.device() != nullptr) {
        const QRect surface(0, 0, painter.device()->width(), painter.device()->height());
        area &= toTarget.mapRect(surface).translated(-target.topLeft());
    }
    if (painter.hasClipping())
        area &= painter.clipBoundingRect().toAlignedRect().translated(-target.topLeft());
    if (area.isEmpty())
        return true;
    if (Area(area) > MaxRenderedPixels) {
        Draw(painter, target);
        return true;
    }
    if (!render_ || render_->target != target.size() || !render_->area.contains(area))
        StartRender(target.size(), area);
    if (render_->result.wait_for(wait) != std::future_status::ready)
        return false;
    const RenderedMetafile& rendered = render_->result.get();
    const bool first = !renderShown_;
    renderShown_ = true;
    if (rendered.outOfMemory) {
        // Reported once, as a decoding error is; later paints leave the place empty.
        if (first)
            throw EOutOfMemory();
        return true;
    }
    painter.drawImage(target.topLeft() + render_->area.topLeft(), rendered.image);
    return true;
}

QImage TMetafile::ToImage() {
    if (!source_ || width_ <= 0 || height_ <= 0)
        return {};
    const QRect area = part_.isEmpty() ? QRect(0, 0, width_, height_) : part_;
    if (render_ && render_->target == QSize(width_, height_) && render_->area == area) {
        const RenderedMetafile& rendered = render_->result.get();
        if (rendered.outOfMemory)
            throw EOutOfMemory();
        return rendered.image;
    }
    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        throw EOutOfMemory();
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(-area.topLeft());
    Draw(painter, QRect(0, 0, width_, height_));
    return image;
}

std::unique_ptr<TGraphic> TMetafile::Clone() const {
    std::unique_ptr<TMetafile> copy(new TMetafile(*this));
    copy->render_.reset();
    copy->renderShown_ = false;
    copy->parsedAtLoad_.reset(); // one thread's alone
    return copy;
}

#include "pictures/metafile.h"

#include "core/errors.h"
#include "pictures/metafileformat.h"
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

} // namespace

TMetafile::TMetafile() = default;

TMetafile::~TMetafile() = default;

void TMetafile::LoadFromBytes(std::vector<std::uint8_t> bytes) {
    // No bytes, no picture: as for the other classes, an empty file is an empty picture.
    if (bytes.empty()) {
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
    try {
        converted = ConvertMetafileInChild(bytes, size->enhanced);
        if (converted.end == MetafileChildEnd::TooLarge ||
            (converted.svg && converted.svg->svg.size() > MaxMetafileDrawingBytes))
            throw EPictureTooComplex(tooLarge); // a polygon of a million points, say
        if (converted.end == MetafileChildEnd::OutOfLimits)
            throw EPictureTooComplex("drawing it passed the time or memory it may take");
        if (!converted.svg)
            throw EInvalidGraphic("Metafile is not valid");
        drawing = std::make_shared<QSvgRenderer>(converted.svg->svg);
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory();
    }
    if (!drawing->isValid())
        throw EInvalidGraphic("Metafile is not valid");
    if (!converted.svg->viewBox.isEmpty())
        drawing->setViewBox(converted.svg->viewBox);

    int width = size->width;
    int height = size->height;
    // A plain WMF states no size: its logical units, as far as its drawing reaches, count as
    // pixels.
    if (!size->enhanced && width == 0 && height == 0) {
        width = Pixels(converted.svg->logicalSize.width());
        height = Pixels(converted.svg->logicalSize.height());
        CheckPictureSize(width, height);
    }
    bytes_ = std::move(bytes);
    width_ = width;
    height_ = height;
    enhanced_ = size->enhanced;
    drawing_ = std::move(drawing);
    drawn_ = QImage();
    part_ = QRect();
}

void TMetafile::Draw(QPainter& painter, const QRect& target) {
    if (!drawing_ || target.isEmpty())
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
            drawing_->render(&onDrawn, QRectF(drawn_.rect()));
        }
        painter.drawImage(target.topLeft(), drawn_);
        return;
    }
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    drawing_->render(&painter, QRectF(target));
    painter.restore();
}

void TMetafile::PrepareDrawing(QSize target, QRect visible) {
    const QRect whole(0, 0, width_, height_);
    part_ = target == whole.size() && !visible.isEmpty() && !visible.contains(whole)
                ? visible & whole
                : QRect();
}

QImage TMetafile::ToImage() {
    if (!drawing_ || width_ <= 0 || height_ <= 0)
        return {};
    const QRect area = part_.isEmpty() ? QRect(0, 0, width_, height_) : part_;
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
    return std::unique_ptr<TGraphic>(new TMetafile(*this));
}

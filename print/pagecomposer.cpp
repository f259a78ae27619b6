#include "print/pagecomposer.h"

#include "core/cp1250.h"
#include "print/captionface.h"
#include "print/captionlines.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

using namespace printgeometry;

namespace {

QRect ToQRect(const DeviceRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

// The sheet is white paper whatever the desktop's colours: system colours take their usual
// light-theme values (window white, every text colour black).
QColor PrintColour(std::uint32_t value) {
    if ((value & 0xFF000000u) == 0xFF000000u)
        return (value & 0xFFu) == 5 ? Qt::white : Qt::black;
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void PaintCaption(QPainter& painter, const ReportLayout& layout, const DeviceMetrics& device,
                  const std::string& caption) {
    const LabelLayout& label = layout.label;
    QStringList lines;
    for (const std::string& line : CaptionLines(caption))
        lines.append(QString::fromStdString(Cp1250ToUtf8(line)));

    const TextFace face = ChooseCaptionFace(
        label.font, FontPixelSize(label.font.height, device.dpiY), lines.join(QString()));
    const QFontMetricsF metrics(face.font, painter.device());
    qreal width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));

    const DeviceRect place = PaperRectToDevice(LabelOnPaper(layout), device);
    const qreal lineHeight = metrics.ascent() + metrics.descent();
    // Auto-size: the box takes the caption's size; nothing clips the text, so a long title
    // runs on past the margin.
    const QRectF box(place.left, place.top, width + face.embolden, lineHeight * lines.size());
    if (!label.transparent)
        painter.fillRect(box, PrintColour(label.color));

    const QColor colour = PrintColour(label.font.color);
    for (int i = 0; i < lines.size(); ++i) {
        const QPointF baseline(place.left, place.top + i * lineHeight + metrics.ascent());
        DrawEmboldened(painter, baseline, face, lines[i], colour);
    }
}

void PaintPicture(QPainter& painter, const ReportLayout& layout, const DeviceMetrics& device,
                  ScreenResolution screen, const QImage& picture, const PicturePart* part) {
    if (picture.isNull())
        return;
    const QSize whole = part ? part->whole : picture.size();
    const PicturePlacement placement = PlacePicture(
        ImageOnPaper(layout), whole.width(), whole.height(), device, screen.dpiX, screen.dpiY);
    if (placement.visible.IsEmpty())
        return;
    // Only the part inside the box goes to the device: the rest is cut, never scaled to fit.
    painter.save();
    painter.setClipRect(ToQRect(placement.visible));
    if (!part) {
        painter.drawImage(ToQRect(placement.picture), picture);
    } else {
        const double across = static_cast<double>(placement.picture.width) / whole.width();
        const double down = static_cast<double>(placement.picture.height) / whole.height();
        painter.drawImage(QRectF(placement.picture.left + part->offset.x() * across,
                                 placement.picture.top + part->offset.y() * down,
                                 picture.width() * across, picture.height() * down),
                          picture);
    }
    painter.restore();
}

} // namespace

void ComposePage(QPainter& painter, const ReportLayout& layout, const DeviceMetrics& device,
                 ScreenResolution screen, const PageContent& content, const PicturePart* part) {
    painter.fillRect(ToQRect(PaperRectToDevice(BandOnPaper(layout), device)),
                     PrintColour(layout.band.color));
    PaintCaption(painter, layout, device, content.caption);
    PaintPicture(painter, layout, device, screen, content.picture, part);
}

QRect PrintedPart(const ReportLayout& layout, const DeviceMetrics& device, ScreenResolution screen,
                  QSize picture) {
    if (picture.isEmpty())
        return {};
    const PicturePlacement placement = PlacePicture(
        ImageOnPaper(layout), picture.width(), picture.height(), device, screen.dpiX, screen.dpiY);
    if (placement.visible.IsEmpty() || placement.picture.IsEmpty())
        return {};
    const double across = static_cast<double>(picture.width()) / placement.picture.width;
    const double down = static_cast<double>(picture.height()) / placement.picture.height;
    const auto at = [](double value) { return static_cast<int>(std::floor(value)); };
    const auto upTo = [](double value) { return static_cast<int>(std::ceil(value)); };
    const int left = at((placement.visible.left - placement.picture.left) * across);
    const int top = at((placement.visible.top - placement.picture.top) * down);
    const int right = upTo((placement.visible.Right() - placement.picture.left) * across);
    const int bottom = upTo((placement.visible.Bottom() - placement.picture.top) * down);
    return QRect(left, top, right - left, bottom - top) & QRect(QPoint(0, 0), picture);
}

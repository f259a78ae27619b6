#include "print/pagecomposer.h"

#include "core/cp1250.h"
#include "print/captionface.h"
#include "print/captionlines.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

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
                  ScreenResolution screen, const QImage& picture) {
    if (picture.isNull())
        return;
    const PicturePlacement placement = PlacePicture(
        ImageOnPaper(layout), picture.width(), picture.height(), device, screen.dpiX, screen.dpiY);
    if (placement.visible.IsEmpty())
        return;
    // Only the part inside the box goes to the device: the rest is cut, never scaled to fit.
    painter.save();
    painter.setClipRect(ToQRect(placement.visible));
    painter.drawImage(ToQRect(placement.picture), picture);
    painter.restore();
}

} // namespace

void ComposePage(QPainter& painter, const ReportLayout& layout, const DeviceMetrics& device,
                 ScreenResolution screen, const PageContent& content) {
    painter.fillRect(ToQRect(PaperRectToDevice(BandOnPaper(layout), device)),
                     PrintColour(layout.band.color));
    PaintCaption(painter, layout, device, content.caption);
    PaintPicture(painter, layout, device, screen, content.picture);
}

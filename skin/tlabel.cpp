#include "skin/tlabel.h"

#include "shell/errorreport.h"
#include "skin/accelerator.h"
#include "skin/boldface.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>

namespace {

AcceleratorText Strip(const QString& caption) {
    return StripAccelerators(caption.toStdU16String());
}

} // namespace

TLabel::TLabel(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void TLabel::SetCaption(const QString& caption) {
    caption_ = caption;
    FitToText();
    update();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    FitToText();
}

void TLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

QString TLabel::ShownText() const {
    return QString::fromStdU16String(Strip(caption_).text);
}

void TLabel::FitToText() {
    if (!autoSize_)
        return;
    const QString text = ShownText();
    const TextFace face = FaceForText(font(), text);
    const QFontMetrics metrics(face.font);
    resize(metrics.horizontalAdvance(text) + qCeil(face.embolden), metrics.height());
}

void TLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        RunHandler([this] { FitToText(); });
    QWidget::changeEvent(event);
}

void TLabel::paintEvent(QPaintEvent*) {
    try {
        Paint();
    } catch (...) {
        ReportLater(std::current_exception()); // after the paint, like a picture's failure
    }
}

void TLabel::Paint() {
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), palette().color(QPalette::Window));

    const AcceleratorText shown = Strip(caption_);
    const QString text = QString::fromStdU16String(shown.text);
    const QColor colour = palette().color(QPalette::WindowText);
    const TextFace face = FaceForText(font(), text);
    if (face.embolden > 0) {
        const QFontMetricsF metrics(face.font);
        DrawEmboldened(painter, QPointF(0, metrics.ascent()), face, text, colour);
        for (size_t position : shown.underlined) {
            const qreal left = metrics.horizontalAdvance(text.left(qsizetype(position)));
            const qreal width = metrics.horizontalAdvance(text.mid(qsizetype(position), 1));
            painter.fillRect(QRectF(left, metrics.ascent() + metrics.underlinePos(), width,
                                    std::max<qreal>(1, metrics.lineWidth())),
                             colour);
        }
        return;
    }
    QTextLayout layout(text, font());
    QList<QTextLayout::FormatRange> underlines;
    for (size_t position : shown.underlined) {
        QTextLayout::FormatRange range;
        range.start = int(position);
        range.length = 1;
        range.format.setFontUnderline(true);
        underlines.append(range);
    }
    layout.setFormats(underlines);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(1e6); // one line, never wrapped
    layout.endLayout();
    painter.setPen(colour);
    layout.draw(&painter, QPointF(0, 0));
}

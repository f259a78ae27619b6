#include "skin/timage.h"

#include "shell/errorreport.h"
#include "skin/decodewatch.h"
#include "skin/orderedreports.h"

#include <chrono>

#include <QMouseEvent>
#include <QPainter>

namespace {

using Clock = std::chrono::steady_clock;

// How long the paints of one moment may wait for decodes together: an ordinary picture is
// decoded within it and appears in the same paint, while a slow one leaves the window free.
constexpr std::chrono::milliseconds PaintWait(150);

std::chrono::milliseconds WaitLeft() {
    static Clock::time_point momentEnds;
    const Clock::time_point now = Clock::now();
    if (now >= momentEnds + PaintWait)
        momentEnds = now + PaintWait; // a new moment: the earlier one's paints are over
    return std::max(std::chrono::milliseconds(0),
                    std::chrono::duration_cast<std::chrono::milliseconds>(momentEnds - now));
}

} // namespace

QRect ShownPartOf(const QRect& geometry, const QSize& parentSize) {
    const QRect shown =
        QRect(QPoint(0, 0), geometry.size()) & QRect(-geometry.topLeft(), parentSize);
    return shown.isEmpty() ? QRect(0, 0, 1, 1) : shown;
}

TImage::TImage(QWidget* parent) : QWidget(parent) {
    picture_.OnChange = [this] { PictureChanged(); };
}

TImage::~TImage() {
    picture_.OnChange = nullptr;
    SetReportOrder(this, 0);
}

bool TImage::DecodeUnshown() const {
    const TGraphic* graphic = picture_.Graphic();
    return graphic != nullptr && isVisible() && graphic->DecodeUnshown();
}

void TImage::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    ReleaseOrderedReports();
}

void TImage::SetStretch(bool stretch) {
    if (stretch_ == stretch)
        return;
    stretch_ = stretch;
    update();
}

void TImage::PrepareDrawing() {
    TGraphic* graphic = picture_.Graphic();
    if (graphic == nullptr)
        return;
    // What can ever show of it: the widget's bounds, within its window.
    const QWidget* parent = parentWidget();
    graphic->PrepareDrawing(stretch_ ? size() : QSize(graphic->Width(), graphic->Height()),
                            parent ? ShownPartOf(geometry(), parent->size())
                                   : ShownPartOf(rect(), size()));
}

void TImage::PictureChanged() {
    update();
    ReleaseOrderedReports();
}

void TImage::paintEvent(QPaintEvent*) {
    TGraphic* graphic = picture_.Graphic();
    if (graphic == nullptr)
        return;
    QPainter painter(this);
    // No smooth transform: a stretched picture repeats or drops rows and columns.
    const QRect target = stretch_ ? rect() : QRect(0, 0, graphic->Width(), graphic->Height());
    try {
        if (!graphic->DrawWithin(painter, target, WaitLeft())) {
            // Not decoded yet: what lies beneath shows until it is.
            RepaintWhenReady(this, picture_);
            return;
        }
    } catch (...) {
        // Decoding errors surface after the paint, through the error report.
        ReportInOrder(this, std::current_exception());
    }
    ReleaseOrderedReports();
}

void TImage::mousePressEvent(QMouseEvent* event) {
    // The topmost widget takes every press on it, clickable or not.
    event->accept();
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !leftPressed_)
        return;
    leftPressed_ = false;
    if (!rect().contains(event->position().toPoint()) || !OnClick)
        return;
    const std::function<void()> handler = OnClick; // the handler may replace OnClick
    RunHandler(handler);
}

void TImage::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is no click.
    event->accept();
    leftPressed_ = false;
}

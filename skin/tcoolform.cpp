#include "skin/tcoolform.h"

#include "pictures/pictures.h"
#include "shell/errorreport.h"
#include "skin/regiondata.h"
#include "skin/timage.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWindow>
#include <string_view>

namespace {

QRegion RegionFromRects(const std::vector<RegionRect>& rects) {
    QRegion region;
    for (const RegionRect& rect : rects)
        region += QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return region;
}

// The rectangles as the region itself lists them: in bands from top to bottom, as the
// stored value was written.
std::vector<RegionRect> RectsFromRegion(const QRegion& region) {
    std::vector<RegionRect> rects;
    for (const QRect& rect : region)
        rects.push_back({rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1});
    return rects;
}

} // namespace

TCoolForm::TCoolForm(QWidget* parent) : TImage(parent), mask_(std::make_unique<TRegionType>(this)) {
    // Constructing with a parent sends no parent-change event.
    ParentChanged();
}

TCoolForm::~TCoolForm() {
    if (watchedParent_)
        watchedParent_->removeEventFilter(this);
}

void TCoolForm::SetMask(std::unique_ptr<TRegionType> holder) {
    if (!holder)
        return;
    holder->SetOwner(this);
    mask_ = std::move(holder);
}

void TCoolForm::SetLeft(int) {
    move(0, y());
}

void TCoolForm::SetTop(int) {
    move(x(), 0);
}

void TCoolForm::SetWidth(int width) {
    resize(width, height());
}

void TCoolForm::SetHeight(int height) {
    resize(width(), height);
}

void TCoolForm::ReadMask2(std::span<const uint8_t> value) {
    Mask2Value stored = ParseMask2(value);
    maskSize_ = stored.size;
    maskData_ = std::move(stored.data);
    if (!stored.rects) {
        mask_->SetRegion(std::nullopt);
        return;
    }
    const QRegion region = RegionFromRects(*stored.rects);
    mask_->SetRegion(region);
    if (QWidget* parent = parentWidget())
        parent->setMask(region);
}

std::vector<uint8_t> TCoolForm::WriteMask2() const {
    const std::optional<QRegion>& region = mask_->Region();
    if (!region)
        return BuildMask2(std::nullopt);
    return BuildMask2(RectsFromRegion(*region));
}

bool TCoolForm::event(QEvent* event) {
    if (event->type() == QEvent::ParentChange)
        RunHandler([this] { ParentChanged(); });
    return TImage::event(event);
}

void TCoolForm::ParentChanged() {
    if (watchedParent_)
        watchedParent_->removeEventFilter(this);
    watchedParent_ = parentWidget();
    if (watchedParent_) {
        // A form (a TForm, known here by its class name only) becomes borderless; any other
        // parent keeps its style.
        if (QWidget* form = watchedParent_;
            form->inherits("TForm") && !form->windowFlags().testFlag(Qt::FramelessWindowHint)) {
            const bool shown = form->isVisible();
            form->setWindowFlag(Qt::FramelessWindowHint);
            if (shown)
                form->show();
        }
        watchedParent_->installEventFilter(this);
        FillParent();
    }
    SetTop(0);
    SetLeft(0);
}

void TCoolForm::FillParent() {
    if (watchedParent_)
        setGeometry(QRect(QPoint(0, 0), watchedParent_->size()));
}

bool TCoolForm::eventFilter(QObject* watched, QEvent* event) {
    // The skin covers the client area and follows its size.
    if (watched == watchedParent_ && event->type() == QEvent::Resize)
        RunHandler([this] { FillParent(); });
    return TImage::eventFilter(watched, event);
}

void TCoolForm::PictureChanged() {
    TImage::PictureChanged();
    if (parentWidget()) {
        const TGraphic* graphic = Picture().Graphic();
        if (!graphic || std::string_view(graphic->ClassName()) != "TBitmap") {
            // Replacing the picture runs this again, with the bitmap in place.
            Picture().SetGraphic(std::make_unique<TBitmap>());
            return;
        }
    }
    // The window keeps the shape it was given; the holder lets go of it, so a later save
    // writes no region.
    mask_->SetRegion(std::nullopt);
}

void TCoolForm::mousePressEvent(QMouseEvent* event) {
    RunHandler([&] { StartDrag(event); });
}

void TCoolForm::StartDrag(QMouseEvent* event) {
    event->accept();
    QWidget* moved = parentWidget();
    if (event->button() != Qt::LeftButton || !moved)
        return;
    if (moved->isWindow() && moved->windowHandle() && moved->windowHandle()->startSystemMove())
        return;
    // No window manager to run the move (a bare X server): follow the pointer ourselves.
    dragging_ = true;
    dragStartGlobal_ = event->globalPosition().toPoint();
    dragStartPosition_ = moved->pos();
    grabMouse();
}

// Every left press starts a move, the second of a double click too.
void TCoolForm::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void TCoolForm::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (dragging_ && parentWidget())
        parentWidget()->move(dragStartPosition_ + event->globalPosition().toPoint() -
                             dragStartGlobal_);
}

void TCoolForm::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        releaseMouse();
    }
}

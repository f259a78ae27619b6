#include "kiosk/stripswipe.h"

#include "shell/errorreport.h"

#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace {
// Far enough that a tap that slides a little is still a tap.
constexpr int SwipeDistance = 40;
} // namespace

StripSwipe::StripSwipe(QWidget* window, std::vector<QWidget*> controls,
                       std::function<void(bool forward)> page, QObject* parent)
    : QObject(parent), window_(window), controls_(std::move(controls)), page_(std::move(page)) {
    for (const QWidget* control : controls_)
        strip_ |= control->geometry();
}

bool StripSwipe::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseMove)
        return false;
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != window_)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    // Thumbnails and arrows take their clicks; everything else there is background, where a
    // press would start dragging the window.
    const bool onBackground =
        std::find(controls_.begin(), controls_.end(), watched) == controls_.end();
    if (type == QEvent::MouseButtonPress) {
        if (mouse->button() != Qt::LeftButton || !strip_.contains(window_->mapFromGlobal(global)))
            return false;
        tracking_ = true;
        start_ = global;
        return onBackground;
    }
    if (!tracking_)
        return false;
    if (type == QEvent::MouseMove)
        return onBackground;
    tracking_ = false;
    const QPoint moved = global - start_;
    if (std::abs(moved.x()) < SwipeDistance || std::abs(moved.x()) < 2 * std::abs(moved.y()))
        return false;
    RunHandler([this, forward = moved.x() < 0] { page_(forward); });
    return true;
}

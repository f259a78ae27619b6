#include "kiosk/heartbeat.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <systemd/sd-daemon.h>

bool Heartbeat::ServiceWatchdog() {
    std::uint64_t usec = 0;
    return sd_watchdog_enabled(0, &usec) > 0 && usec > 0;
}

Heartbeat::Heartbeat(std::unique_ptr<HangGuard> guard, QObject* parent)
    : QObject(parent), guard_(std::move(guard)) {
    std::uint64_t usec = 0;
    watchdog_ = sd_watchdog_enabled(0, &usec) > 0 && usec > 0;
    // systemd asks for pings at half its interval; the guard's limit is whole seconds, so a
    // beat a second leaves it room.
    int intervalMs = 1000;
    if (watchdog_)
        intervalMs = static_cast<int>(std::clamp<std::uint64_t>(usec / 2000, 50, 1000));
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &Heartbeat::Beat);
    timer_.start();
    Beat();
}

void Heartbeat::Beat() {
    if (guard_)
        guard_->Tick();
    if (watchdog_)
        sd_notify(0, "WATCHDOG=1");
}

void Heartbeat::ReadyWhenPainted(QWidget* window) {
    readyWindow_ = window;
    window->installEventFilter(this);
}

bool Heartbeat::eventFilter(QObject* watched, QEvent* event) {
    if (watched == readyWindow_ && event->type() == QEvent::Paint) {
        readyWindow_->removeEventFilter(this);
        readyWindow_ = nullptr;
        // After this paint has reached the window, not before it.
        QTimer::singleShot(0, this, [] { sd_notify(0, "READY=1"); });
    }
    return false;
}

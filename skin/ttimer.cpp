#include "skin/ttimer.h"

#include "shell/errorreport.h"

TTimer::TTimer(QObject* parent) : QObject(parent) {
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (OnTimer)
            RunHandler(OnTimer);
    });
    Restart();
}

void TTimer::SetInterval(int milliseconds) {
    timer_.setInterval(milliseconds);
    Restart();
}

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void TTimer::Restart() {
    timer_.stop();
    // A timer of interval 0 never ticks.
    if (enabled_ && timer_.interval() > 0)
        timer_.start();
}

#pragma once
// The program's signs of life, sent from the GUI thread's event loop so that a frozen window
// counts as a failure: systemd's watchdog pings (under a unit with WatchdogSec=), or the
// hang guard's ticks. Readiness is told to systemd once, when the splash has first painted.

#include "kiosk/hangguard.h"

#include <QObject>
#include <QTimer>
#include <memory>

class QWidget;

class Heartbeat : public QObject {
public:
    // The guard may be null (under systemd, or when it could not start).
    explicit Heartbeat(std::unique_ptr<HangGuard> guard, QObject* parent = nullptr);

    // READY=1 goes out after the first paint of this window.
    void ReadyWhenPainted(QWidget* window);

    // Whether the service manager watches this process (WatchdogSec= of its unit).
    static bool ServiceWatchdog();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Beat();

    std::unique_ptr<HangGuard> guard_;
    QTimer timer_;
    QWidget* readyWindow_ = nullptr;
    bool watchdog_ = false;
};

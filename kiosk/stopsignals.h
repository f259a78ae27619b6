#pragma once
// SIGTERM (a service stop, a session ending) and SIGINT end the program as its own close
// would: every open window and dialog is let go, the event loops end, the windows are
// released and whatever the program keeps in temporary folders is removed. The signal is
// only noted in its handler; the GUI thread acts on it from its event loop.

#include <QObject>
#include <QTimer>

class QSocketNotifier;

class StopSignals : public QObject {
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

private:
    void Stop();

    QSocketNotifier* notifier_ = nullptr;
    // Keeps ending event loops until main's own has ended too: a handler that was waiting in
    // a modal window may go on to open another before control gets back to main.
    QTimer again_;
};

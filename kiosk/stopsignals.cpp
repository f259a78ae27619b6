#include "kiosk/stopsignals.h"

#include "kiosk/windowsunwind.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int wakeEnds[2] = {-1, -1};

void NoteSignal(int) {
    const int saved = errno;
    const char byte = 1;
    (void)!write(wakeEnds[1], &byte, 1);
    errno = saved;
}
} // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {
    if (pipe2(wakeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = new QSocketNotifier(wakeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &StopSignals::Stop);
    again_.setInterval(20);
    connect(&again_, &QTimer::timeout, this, [] {
        CloseTopWindow();
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

StopSignals::~StopSignals() {
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    if (wakeEnds[0] >= 0) {
        close(wakeEnds[0]);
        close(wakeEnds[1]);
        wakeEnds[0] = wakeEnds[1] = -1;
    }
}

void StopSignals::Stop() {
    char bytes[16];
    while (read(wakeEnds[0], bytes, sizeof bytes) > 0) {
    }
    CloseTopWindow();
    QCoreApplication::exit(0);
    again_.start();
}

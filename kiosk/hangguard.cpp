#include "kiosk/hangguard.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
[[noreturn]] void Guard(int connection, pid_t program, int limitSeconds) {
    // A Ctrl-C or a service stop is the program's to answer; the guard leaves with it.
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGTERM, SIG_IGN);
    prctl(PR_SET_NAME, "vendral-guard");
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != program)
        _exit(0);
    char ticks[64];
    // The first tick comes once the windows are built, which a slow machine under load may
    // take longer for than a frozen window is given.
    constexpr int StartUpSeconds = 60;
    bool started = false;
    for (;;) {
        pollfd waiting{connection, POLLIN, 0};
        const int wait = started ? limitSeconds : std::max(limitSeconds, StartUpSeconds);
        const int ready = poll(&waiting, 1, wait * 1000);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0) {
            std::fprintf(stderr,
                         "vendral: the window has not answered for %d s; ending the program\n",
                         wait);
            kill(program, SIGKILL);
            _exit(0);
        }
        const ssize_t got = read(connection, ticks, sizeof ticks);
        if (got <= 0 && !(got < 0 && errno == EINTR))
            _exit(0); // the program has ended
        started = true;
    }
}
} // namespace

std::unique_ptr<HangGuard> HangGuard::Start(int limitSeconds) {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        std::fprintf(stderr, "vendral: no hang guard: %s\n", std::strerror(errno));
        return nullptr;
    }
    const pid_t program = getpid();
    const pid_t guard = fork();
    if (guard < 0) {
        std::fprintf(stderr, "vendral: no hang guard: %s\n", std::strerror(errno));
        close(ends[0]);
        close(ends[1]);
        return nullptr;
    }
    if (guard == 0) {
        close(ends[1]);
        Guard(ends[0], program, limitSeconds);
    }
    close(ends[0]);
    return std::unique_ptr<HangGuard>(new HangGuard(ends[1]));
}

HangGuard::~HangGuard() {
    close(connection_);
}

void HangGuard::Tick() {
    // Never blocks and never raises SIGPIPE: a guard that is gone costs the program nothing.
    const char tick = 1;
    (void)send(connection_, &tick, 1, MSG_DONTWAIT | MSG_NOSIGNAL);
}

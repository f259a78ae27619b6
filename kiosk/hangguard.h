#pragma once
// The watchdog where no service manager keeps one: a small process of its own, forked before
// the toolkit starts any thread, that ends the program when the GUI thread has not ticked for
// the limit. A thread of the program could not do it: a stopped process stops all its
// threads. The guard ends with the program (it sees the connection close).

#include <memory>

class HangGuard {
public:
    // Null when no process could be made (the program then runs unguarded, and says so).
    static std::unique_ptr<HangGuard> Start(int limitSeconds);
    ~HangGuard();
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

    // From the GUI thread's event loop: the window still answers.
    void Tick();

private:
    explicit HangGuard(int connection) : connection_(connection) {}
    int connection_;
};

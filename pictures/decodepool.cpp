#include "pictures/decodepool.h"

#include <algorithm>

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

// Below the GUI thread and the shown pictures' decodes, yet not starved: a thread of the lowest
// (idle) class could be put off for long while holding a lock the window waits for.
void LowerPriority() {
#if defined(__linux__)
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
}

} // namespace

DecodePool::DecodePool(unsigned workers, Priority priority) : low_(priority == Priority::Low) {
    if (priority == Priority::Low && workers > 1)
        --workers;
    for (unsigned i = 0; i < std::max(1u, workers); ++i)
        threads_.emplace_back([this, priority] { Work(priority); });
}

DecodePool::~DecodePool() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        // Work ahead of time is not worth waiting for at exit.
        if (low_)
            jobs_.clear();
    }
    wake_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

DecodePool& DecodePool::Instance() {
    static DecodePool pool(2 * std::max(1u, std::thread::hardware_concurrency()));
    return pool;
}

void DecodePool::DropQueued() {
    std::deque<std::function<void()>> dropped;
    {
        const std::lock_guard lock(mutex_);
        dropped.swap(jobs_);
        if (running_ == 0) {
            busy_.store(false, std::memory_order_relaxed);
            idle_.notify_all();
        }
    }
    // Destroyed outside the lock: a job's captures may be large.
}

bool DecodePool::Busy() {
    const std::lock_guard lock(mutex_);
    return running_ > 0 || !jobs_.empty();
}

void DecodePool::Queue(std::function<void()> job, bool first) {
    {
        const std::lock_guard lock(mutex_);
        if (first)
            jobs_.push_front(std::move(job));
        else
            jobs_.push_back(std::move(job));
        busy_.store(true, std::memory_order_relaxed);
    }
    wake_.notify_one();
}

void DecodePool::WaitUntilIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return running_ == 0 && jobs_.empty(); });
}

void DecodePool::Work(Priority priority) {
    if (priority == Priority::Low)
        LowerPriority();
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (jobs_.empty())
                return; // stopping, and nothing left to do
            job = std::move(jobs_.front());
            jobs_.pop_front();
            ++running_;
        }
        job();
        job = nullptr; // its captures go before the pool says it is done
        {
            const std::lock_guard lock(mutex_);
            if (--running_ == 0 && jobs_.empty()) {
                busy_.store(false, std::memory_order_relaxed);
                idle_.notify_all();
            }
        }
        if (void (*done)() = jobDone_.load())
            done();
    }
}

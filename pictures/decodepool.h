#pragma once
// The workers pictures are decoded on, started at the first use and joined at exit.
// A job gets only plain data (bytes, sizes) and makes only plain data or a QImage value; it
// never touches a widget, a Qt object or the catalogue. Results come back through futures,
// which the GUI thread reads.
//
// Two pools: the shown pictures' decodes, and the decodes ahead of time. The second has one
// worker fewer than the machine has cores, so the GUI thread always finds one, and its workers
// run at a lower priority; its jobs wait while the first pool has work (WaitUntilIdle) and stop
// when it gets some (BusyFlag), so they never delay what is on show.

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class DecodePool {
public:
    enum class Priority { Normal, Low };

    explicit DecodePool(unsigned workers, Priority priority = Priority::Normal);
    ~DecodePool(); // finishes the queued jobs (drops them at low priority), then joins
    DecodePool(const DecodePool&) = delete;
    DecodePool& operator=(const DecodePool&) = delete;

    // The process's pool for the pictures on show, with twice as many workers as the machine has
    // cores: an entry's decodes are uneven (a main picture's visible part, thumbnails that each
    // read their whole file), and with more of them running than there are cores the system
    // shares the cores among all, so they finish together instead of one core idling while the
    // other works through the last two.
    static DecodePool& Instance();

    unsigned Workers() const { return static_cast<unsigned>(threads_.size()); }

    // Queues job; jobs start in the order they were queued.
    template <typename Job> auto Run(Job job) -> std::shared_future<decltype(job())> {
        auto task = std::make_shared<std::packaged_task<decltype(job())()>>(std::move(job));
        std::shared_future<decltype(job())> result = task->get_future().share();
        Queue([task] { (*task)(); });
        return result;
    }

    // Queues a short job ahead of every waiting one (a part of a decode already running).
    void RunNext(std::function<void()> job) { Queue(std::move(job), true); }
    // Queues a job whose result nobody waits for.
    void Post(std::function<void()> job) { Queue(std::move(job)); }

    // Drops the jobs not yet started (of Post; a future's job would never be ready).
    void DropQueued();
    // Whether a job is queued or running.
    bool Busy();
    // Set while a job is queued or running: a decode ahead of time gives way when it is.
    const std::atomic<bool>& BusyFlag() const { return busy_; }
    // Returns once no job is queued or running.
    void WaitUntilIdle();
    // Called on the worker after each job, once its result is set (nullptr: nothing).
    void SetJobDone(void (*done)()) { jobDone_.store(done); }
    // Says what the end of a job says, for a job that sets a result before it ends.
    void ResultReady() const {
        if (void (*done)() = jobDone_.load())
            done();
    }

private:
    void Queue(std::function<void()> job, bool first = false);
    void Work(Priority priority);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    std::condition_variable idle_;
    int running_ = 0;
    std::atomic<bool> busy_{false};
    std::atomic<void (*)()> jobDone_{nullptr};
    bool stopping_ = false;
    const bool low_;
    std::vector<std::thread> threads_;
};

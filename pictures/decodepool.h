#pragma once
// The workers pictures are decoded on: one a core, started at the first use and joined at exit.
// A job gets only plain data (bytes, sizes) and makes only plain data or a QImage value; it
// never touches a widget, a Qt object or the catalogue. Results come back through futures,
// which the GUI thread reads.

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
    explicit DecodePool(unsigned workers);
    ~DecodePool(); // finishes the queued jobs, then joins
    DecodePool(const DecodePool&) = delete;
    DecodePool& operator=(const DecodePool&) = delete;

    // The process's pool, with as many workers as the machine has cores.
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

private:
    void Queue(std::function<void()> job, bool first = false);
    void Work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

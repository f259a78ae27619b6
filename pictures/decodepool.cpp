#include "pictures/decodepool.h"

#include <algorithm>

DecodePool::DecodePool(unsigned workers) {
    for (unsigned i = 0; i < std::max(1u, workers); ++i)
        threads_.emplace_back([this] { Work(); });
}

DecodePool::~DecodePool() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

DecodePool& DecodePool::Instance() {
    static DecodePool pool(std::thread::hardware_concurrency());
    return pool;
}

void DecodePool::Queue(std::function<void()> job, bool first) {
    {
        const std::lock_guard lock(mutex_);
        if (first)
            jobs_.push_front(std::move(job));
        else
            jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void DecodePool::Work() {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (jobs_.empty())
                return; // stopping, and nothing left to do
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        job();
    }
}

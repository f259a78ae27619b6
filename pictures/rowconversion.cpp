#include "pictures/rowconversion.h"

#include "pictures/decodepool.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>

struct RowConversion::Shared {
    std::shared_ptr<const PixelConverter> converter;
    std::uint8_t* first = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0;
    int chunk = 16; // rows taken at a time
    std::mutex mutex;
    std::condition_variable idle;
    int ready = 0;   // rows decoded
    int claimed = 0; // rows taken for converting
    int working = 0; // threads converting taken rows

    // Converts rows that are ready and not yet taken, a chunk at a time, until none are left.
    void Work(std::unique_lock<std::mutex>& lock) {
        while (claimed < ready) {
            const int begin = claimed;
            const int end = std::min(ready, begin + chunk);
            claimed = end;
            ++working;
            lock.unlock();
            for (int y = begin; y < end; ++y) {
                std::uint8_t* row = first + y * stride;
                converter->Convert(row, row, width);
            }
            lock.lock();
            --working;
        }
        idle.notify_all();
    }
};

RowConversion::~RowConversion() {
    if (shared_)
        Finish(shared_->ready);
}

bool RowConversion::Start(std::shared_ptr<const PixelConverter> converter, std::uint8_t* first,
                          std::ptrdiff_t stride, int width, int height) {
    // Below a few megapixels the conversion takes a few milliseconds: not worth handing over.
    constexpr std::int64_t SharedFrom = 2'000'000;
    if (std::int64_t{width} * height < SharedFrom)
        return false;
    shared_ = std::make_shared<Shared>();
    shared_->converter = std::move(converter);
    shared_->first = first;
    shared_->stride = stride;
    shared_->width = width;
    // About 64,000 pixels a turn: few hand-overs, and a free worker back to its queue soon.
    shared_->chunk = std::clamp(65536 / std::max(1, width), 1, height);
    step_ = std::max(1, height / 8);
    handedOver_ = 0;
    return true;
}

void RowConversion::Decoded(int rows) {
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->ready = rows;
    }
    if (rows - handedOver_ < step_)
        return;
    handedOver_ = rows;
    // A job that comes too late finds every row taken and ends at once.
    DecodePool::Instance().RunNext([shared = shared_] {
        std::unique_lock lock(shared->mutex);
        shared->Work(lock);
    });
}

void RowConversion::Finish(int rows) {
    if (!shared_)
        return;
    std::unique_lock lock(shared_->mutex);
    shared_->ready = std::max(shared_->claimed, rows);
    shared_->Work(lock);
    shared_->idle.wait(lock, [this] { return shared_->working == 0; });
    lock.unlock();
    shared_.reset();
}

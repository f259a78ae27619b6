#include "pictures/jpegmemorybudget.h"

#include "pictures/picturebounds.h"

#include <algorithm>
#include <utility>

JpegMemoryBudget& JpegMemoryBudget::Instance() {
    static JpegMemoryBudget budget(JpegMemoryLimit);
    return budget;
}

JpegMemoryBudget::Lease::Lease(Lease&& other) noexcept
    : budget_(std::exchange(other.budget_, nullptr)), bytes_(std::exchange(other.bytes_, 0)) {}

JpegMemoryBudget::Lease& JpegMemoryBudget::Lease::operator=(Lease&& other) noexcept {
    if (this != &other) {
        if (budget_)
            budget_->GiveBack(bytes_);
        budget_ = std::exchange(other.budget_, nullptr);
        bytes_ = std::exchange(other.bytes_, 0);
    }
    return *this;
}

JpegMemoryBudget::Lease::~Lease() {
    if (budget_)
        budget_->GiveBack(bytes_);
}

JpegMemoryBudget::Lease JpegMemoryBudget::Take(std::int64_t bytes) {
    bytes = std::clamp<std::int64_t>(bytes, 0, total_);
    if (bytes == 0)
        return {};
    std::unique_lock lock(mutex_);
    freed_.wait(lock, [&] { return available_ >= bytes; });
    available_ -= bytes;
    return Lease(this, bytes);
}

std::int64_t JpegMemoryBudget::Available() const {
    std::lock_guard lock(mutex_);
    return available_;
}

void JpegMemoryBudget::GiveBack(std::int64_t bytes) {
    {
        std::lock_guard lock(mutex_);
        available_ += bytes;
    }
    freed_.notify_all();
}

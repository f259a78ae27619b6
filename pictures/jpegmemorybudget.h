#pragma once
// libjpeg keeps every coefficient of a progressive picture until its last scan: by far the
// largest memory a decode takes (6 bytes a pixel for full-resolution colour), and the same at
// every output scale. Decodes running at once share one budget for those buffers, so the main
// picture and the thumbnail of one huge progressive photograph are decoded one after the
// other instead of holding two sets of coefficients together.

#include <condition_variable>
#include <cstdint>
#include <mutex>

class JpegMemoryBudget {
public:
    explicit JpegMemoryBudget(std::int64_t total) : total_(total), available_(total) {}
    JpegMemoryBudget(const JpegMemoryBudget&) = delete;
    JpegMemoryBudget& operator=(const JpegMemoryBudget&) = delete;

    // The process's budget: libjpeg's own limit for one decode (picturebounds.h).
    static JpegMemoryBudget& Instance();

    // Bytes taken from the budget, given back when it goes.
    class Lease {
    public:
        Lease() = default;
        Lease(Lease&& other) noexcept;
        Lease& operator=(Lease&& other) noexcept;
        ~Lease();

    private:
        friend class JpegMemoryBudget;
        Lease(JpegMemoryBudget* budget, std::int64_t bytes) : budget_(budget), bytes_(bytes) {}
        JpegMemoryBudget* budget_ = nullptr;
        std::int64_t bytes_ = 0;
    };

    // Waits until the bytes are free and takes them. A need past the whole budget waits for
    // the whole budget (libjpeg's own limit then decides); zero takes nothing and never waits.
    Lease Take(std::int64_t bytes);
    std::int64_t Available() const;

private:
    void GiveBack(std::int64_t bytes);

    const std::int64_t total_;
    mutable std::mutex mutex_;
    std::condition_variable freed_;
    std::int64_t available_;
};

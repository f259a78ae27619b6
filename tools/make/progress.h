#pragma once
// The progress line on standard error while pictures are written: rewritten in place on a
// terminal, one line a picture otherwise, nothing when quiet. Safe to call from any thread.

#include <mutex>

class Progress {
public:
    explicit Progress(bool quiet);
    // One more picture is written; it was picture `position` of `pictures` in entry `entry` of
    // `entries`.
    void PictureDone(int entry, int entries, int position, int pictures);
    void Finish();

    void SetTotal(int total) { total_ = total; }

private:
    bool quiet_, terminal_;
    std::mutex mutex_;
    int done_ = 0, total_ = 0;
};

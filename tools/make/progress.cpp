#include "tools/make/progress.h"

#include <cstdio>
#include <unistd.h>

Progress::Progress(bool quiet) : quiet_(quiet), terminal_(::isatty(STDERR_FILENO) != 0) {}

void Progress::PictureDone(int entry, int entries, int position, int pictures) {
    const std::lock_guard lock(mutex_);
    ++done_;
    if (quiet_)
        return;
    std::fprintf(stderr, "%sPictures %d of %d: entry %d of %d, picture %d of %d%s",
                 terminal_ ? "\r" : "", done_, total_, entry, entries, position, pictures,
                 terminal_ ? "\x1b[K" : "\n");
    std::fflush(stderr);
}

void Progress::Finish() {
    const std::lock_guard lock(mutex_);
    if (!quiet_ && terminal_ && done_ > 0)
        std::fputc('\n', stderr);
}

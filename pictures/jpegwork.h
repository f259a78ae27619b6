#pragma once
// Bounded work for JPEG decoding. A progressive file may repeat its scans without end, each one
// refining nothing and each costing a pass over the whole picture: a megabyte of such scans keeps
// libjpeg busy for minutes. Real encoders write at most a few dozen scans (libjpeg's own
// progressive script 10, mozjpeg's searched scripts about 20 at most, cameras and editors fewer),
// so the count is bounded before a decode starts, and libjpeg's progress monitor keeps a work
// budget while it runs. The monitor also lets a decode nobody wants any more stop at once.

#include <atomic>
#include <cstdint>
#include <span>

#include "pictures/jpegerrors.h" // jpeglib.h

// Scans a file may hold: several times what any real encoder writes.
inline constexpr int MaxJpegScans = 100;

// The coefficients libjpeg may visit while reading a multi-scan file, counted in passes over
// every coefficient of the picture (a scan visits its band of coefficients in every block of its
// components): libjpeg's own progressive script makes 2 to 3 such passes.
inline constexpr int MaxJpegCoefficientPasses = 16;

// Failures of a decode that are no libjpeg message (libjpeg's codes are never negative).
inline constexpr int JpegTooManyScans = -2;
inline constexpr int JpegTooMuchWork = -3;
inline constexpr int JpegAbandoned = -4;

// The start-of-scan markers the file holds before its end-of-image marker, found by walking its
// marker segments and skipping the entropy-coded data (a byte 0xFF followed by 0 or a restart
// marker lies inside it).
int CountJpegScans(std::span<const std::uint8_t> file);

struct JpegWorkMonitor {
    jpeg_progress_mgr library; // first: libjpeg hands back its address
    std::int64_t coefficientsLeft = 0;
    const std::atomic<bool>* abandoned = nullptr;
    bool reading = false; // inside jpeg_start_decompress, where a multi-scan file is read
};

// Installs the monitor on a decompressor whose header was read; the decode then fails with one
// of the codes above through the decompressor's own error exit. abandoned may be null.
void InstallJpegWorkMonitor(jpeg_decompress_struct* info, JpegWorkMonitor& monitor,
                            const std::atomic<bool>* abandoned);

// Ends the decode through its error exit when the decode installed with a monitor has been
// abandoned meanwhile.
void StopIfAbandoned(jpeg_decompress_struct* info);

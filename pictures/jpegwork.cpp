#include "pictures/jpegwork.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint8_t StartOfScan = 0xDA, EndOfImage = 0xD9;

// Markers that stand alone, without a length: TEM, RST0 to RST7, SOI, EOI.
bool StandAlone(std::uint8_t marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD9);
}

void Fail(jpeg_decompress_struct* info, int code) {
    info->err->msg_code = code;
    info->err->error_exit(reinterpret_cast<j_common_ptr>(info));
}

// Coefficients the current scan visits in one iMCU row, the unit libjpeg reads a scan in: its
// band of each block.
std::int64_t CoefficientsPerRow(const jpeg_decompress_struct* info) {
    const std::int64_t band = std::max(1, info->Se - info->Ss + 1);
    if (info->comps_in_scan == 1)
        return std::int64_t{info->cur_comp_info[0]->width_in_blocks} *
               info->cur_comp_info[0]->v_samp_factor * band;
    return std::int64_t{info->MCUs_per_row} * info->blocks_in_MCU * band;
}

void Monitor(j_common_ptr common) {
    auto* info = reinterpret_cast<jpeg_decompress_struct*>(common);
    auto* monitor = reinterpret_cast<JpegWorkMonitor*>(info->progress);
    if (monitor->abandoned != nullptr && monitor->abandoned->load(std::memory_order_relaxed))
        Fail(info, JpegAbandoned);
    if (!monitor->reading)
        return;
    if (info->input_scan_number > MaxJpegScans)
        Fail(info, JpegTooManyScans);
    if (info->comps_in_scan > 0)
        monitor->coefficientsLeft -= CoefficientsPerRow(info);
    if (monitor->coefficientsLeft < 0)
        Fail(info, JpegTooMuchWork);
}

} // namespace

int CountJpegScans(std::span<const std::uint8_t> file) {
    const std::uint8_t* at = file.data();
    const std::uint8_t* const end = file.data() + file.size();
    int scans = 0;
    for (;;) {
        // The next marker: libjpeg too skips whatever lies before it.
        at = static_cast<const std::uint8_t*>(
            std::memchr(at, 0xFF, static_cast<std::size_t>(end - at)));
        if (at == nullptr)
            return scans;
        while (at < end && *at == 0xFF)
            ++at; // fill bytes
        if (at == end)
            return scans;
        const std::uint8_t marker = *at++;
        if (marker == 0 || StandAlone(marker)) {
            if (marker == EndOfImage)
                return scans;
            continue;
        }
        if (end - at < 2)
            return scans;
        const std::size_t length = std::size_t{at[0]} << 8 | at[1];
        if (length < 2 || length > static_cast<std::size_t>(end - at))
            return scans;
        at += length;
        if (marker != StartOfScan)
            continue;
        ++scans;
        // The entropy-coded data: up to a marker that is neither a stuffed zero nor a restart.
        for (;;) {
            at = static_cast<const std::uint8_t*>(
                std::memchr(at, 0xFF, static_cast<std::size_t>(end - at)));
            if (at == nullptr)
                return scans;
            const std::uint8_t* next = at + 1;
            while (next < end && *next == 0xFF)
                ++next;
            if (next == end)
                return scans;
            if (*next == 0 || (*next >= 0xD0 && *next <= 0xD7)) {
                at = next + 1;
                continue;
            }
            at = next - 1; // the marker's own 0xFF
            break;
        }
    }
}

void InstallJpegWorkMonitor(jpeg_decompress_struct* info, JpegWorkMonitor& monitor,
                            const std::atomic<bool>* abandoned) {
    std::int64_t blocks = 0;
    for (int c = 0; c < info->num_components; ++c)
        blocks +=
            std::int64_t{info->comp_info[c].width_in_blocks} * info->comp_info[c].height_in_blocks;
    monitor.library = {};
    monitor.library.progress_monitor = Monitor;
    monitor.coefficientsLeft = blocks * DCTSIZE2 * MaxJpegCoefficientPasses;
    monitor.abandoned = abandoned;
    monitor.reading = false;
    info->progress = &monitor.library;
}

void StopIfAbandoned(jpeg_decompress_struct* info) {
    const auto* monitor = reinterpret_cast<const JpegWorkMonitor*>(info->progress);
    if (monitor != nullptr && monitor->abandoned != nullptr &&
        monitor->abandoned->load(std::memory_order_relaxed))
        Fail(info, JpegAbandoned);
}

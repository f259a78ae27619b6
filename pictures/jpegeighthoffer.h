#pragma once
// A decode of the main area's part at full size offers the same bytes' 1/8 thumbnail to a decode
// asked for while it runs (the strip's first slot shows the main picture): taken, the part's
// decode goes on through the file after the part and keeps the thumbnail's coefficients on the
// way (jpegcoefficients.h), so the file's data is read once for both instead of twice.

#include "pictures/jpegdecode.h"

#include <atomic>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class JpegEighthOffer {
public:
    // GUI thread: the thumbnail's result, while the part's decode can still take it on; the flag
    // abandons the thumbnail (its holder lets go).
    std::optional<std::shared_future<DecodedJpeg>>
    Take(std::shared_ptr<std::atomic<bool>> abandoned);
    // On the worker once the part is done: closes the offer; the thumbnail's flag when it was
    // taken, null when not.
    const std::atomic<bool>* Close();
    // On the worker, after Close said it was taken.
    void Deliver(DecodedJpeg thumbnail);

private:
    std::mutex mutex_;
    bool closed_ = false;
    bool taken_ = false;
    std::promise<DecodedJpeg> thumbnail_;
    std::shared_ptr<std::atomic<bool>> abandoned_;
};

// The decode pool's job: the part at full size as DecodeJpeg makes it (control: the part, the
// part's abandon flag, the space), set into part the moment it is decoded, and then the thumbnail
// when the offer was taken: from the kept coefficients, or from the file when they could not be
// kept (another sampling, several scans, an error after the part). ready is called when the part
// is set before the job ends.
void DecodePartOfferingEighth(const std::vector<std::uint8_t>& bytes, bool grayscale, int width,
                              int height, const JpegDecodeControl& control,
                              std::promise<DecodedJpeg>& part, JpegEighthOffer& offer,
                              void (*ready)());

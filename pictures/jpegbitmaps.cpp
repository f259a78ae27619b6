#include "pictures/jpegbitmaps.h"

#include "pictures/decodepool.h"
#include "pictures/jpegscale.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// A handful of pictures are alive at a time (the shown ones, the faces), so a list searched by
// size and contents is enough.
std::vector<std::weak_ptr<JpegBitmaps>>& Registry() {
    static std::vector<std::weak_ptr<JpegBitmaps>> registry;
    return registry;
}

} // namespace

JpegBitmaps::JpegBitmaps(std::vector<std::uint8_t> bytes)
    : bytes_(std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes))) {}

std::shared_ptr<const JpegDecode> JpegBitmaps::Decode(const JpegDecodeRequest& request,
                                                      bool inBackground) {
    const int denominator = std::clamp(request.denominator, 1, 8);
    std::weak_ptr<const JpegDecode>& slot =
        decodes_[static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(denominator)))];
    if (std::shared_ptr<const JpegDecode> held = slot.lock())
        return held;

    auto decode = std::make_shared<JpegDecode>();
    const int width = JpegScaledSide(request.width, denominator);
    const int height = JpegScaledSide(request.height, denominator);
    auto run = [bytes = bytes_, grayscale = request.grayscale, width, height, denominator] {
        return DecodeJpeg(*bytes, grayscale, width, height, denominator);
    };
    if (inBackground) {
        const std::weak_ptr<const JpegDecode> wanted = decode;
        decode->result = DecodePool::Instance().Run(
            [run, wanted] { return wanted.expired() ? DecodedJpeg{} : run(); });
    } else {
        decode->result = std::async(std::launch::deferred, run).share();
    }
    slot = decode;
    return decode;
}

std::shared_ptr<JpegBitmaps> SharedJpegBitmaps(std::vector<std::uint8_t> bytes) {
    auto& registry = Registry();
    std::erase_if(registry,
                  [](const std::weak_ptr<JpegBitmaps>& entry) { return entry.expired(); });
    if (!bytes.empty()) {
        for (const std::weak_ptr<JpegBitmaps>& entry : registry) {
            std::shared_ptr<JpegBitmaps> live = entry.lock();
            if (live && live->Bytes().size() == bytes.size() &&
                std::memcmp(live->Bytes().data(), bytes.data(), bytes.size()) == 0)
                return live;
        }
    }
    auto bitmaps = std::make_shared<JpegBitmaps>(std::move(bytes));
    registry.push_back(bitmaps);
    return bitmaps;
}

int LiveJpegDecodes() {
    int live = 0;
    for (const std::weak_ptr<JpegBitmaps>& entry : Registry()) {
        if (const std::shared_ptr<JpegBitmaps> bitmaps = entry.lock())
            live += bitmaps->LiveDecodes();
    }
    return live;
}

int JpegBitmaps::LiveDecodes() const {
    return static_cast<int>(std::count_if(decodes_.begin(), decodes_.end(),
                                          [](const auto& decode) { return !decode.expired(); }));
}

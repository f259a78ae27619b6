#include "pictures/jpegbitmaps.h"

#include "pictures/bytesregistry.h"
#include "pictures/decodepool.h"
#include "pictures/jpegscale.h"

#include <algorithm>
#include <bit>

namespace {

BytesRegistry<JpegBitmaps>& Registry() {
    static BytesRegistry<JpegBitmaps> registry;
    return registry;
}

} // namespace

JpegDecode::JpegDecode() : abandoned(std::make_shared<std::atomic<bool>>(false)) {}

JpegDecode::~JpegDecode() {
    abandoned->store(true, std::memory_order_relaxed);
}

JpegBitmaps::JpegBitmaps(std::vector<std::uint8_t> bytes)
    : bytes_(std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes))) {}

std::shared_ptr<const JpegDecode> JpegBitmaps::Decode(const JpegDecodeRequest& request,
                                                      bool inBackground) {
    const int denominator = std::clamp(request.denominator, 1, 8);
    std::weak_ptr<const JpegDecode>& slot =
        decodes_[static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(denominator)))];
    if (std::shared_ptr<const JpegDecode> held = slot.lock()) {
        if (held->part.isEmpty() || (!request.part.isEmpty() && held->part.contains(request.part)))
            return held;
    }

    auto decode = std::make_shared<JpegDecode>();
    decode->part = request.part;
    const int width = JpegScaledSide(request.width, denominator);
    const int height = JpegScaledSide(request.height, denominator);
    JpegDecodeControl control;
    if (!request.part.isEmpty())
        control = {request.part.left(), request.part.top(), request.part.width(),
                   request.part.height(), nullptr};
    auto run = [bytes = bytes_, grayscale = request.grayscale, width, height, denominator, control,
                abandoned = decode->abandoned] {
        JpegDecodeControl running = control;
        running.abandoned = abandoned.get();
        return DecodeJpeg(*bytes, grayscale, width, height, denominator, &running);
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
    return Registry().FindOrMake("JPEG", std::move(bytes), [](std::vector<std::uint8_t> data) {
        return std::make_shared<JpegBitmaps>(std::move(data));
    });
}

int LiveJpegDecodes() {
    int live = 0;
    Registry().ForEachLive([&live](const JpegBitmaps& bitmaps) { live += bitmaps.LiveDecodes(); });
    return live;
}

int JpegBitmaps::LiveDecodes() const {
    return static_cast<int>(std::count_if(decodes_.begin(), decodes_.end(),
                                          [](const auto& decode) { return !decode.expired(); }));
}

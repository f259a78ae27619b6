#include "pictures/jpegbitmaps.h"

#include "pictures/bytesfingerprint.h"
#include "pictures/bytesregistry.h"
#include "pictures/decodedahead.h"
#include "pictures/decodepool.h"
#include "pictures/jpegeighthoffer.h"
#include "pictures/jpegscale.h"

#include <algorithm>
#include <bit>

namespace {

BytesRegistry<JpegBitmaps>& Registry() {
    static BytesRegistry<JpegBitmaps> registry;
    return registry;
}

// Files the live pictures were loaded from, by stamp: a handful at a time, as the registry.
std::vector<std::pair<files::FileStamp, std::weak_ptr<JpegBitmaps>>>& LoadedFiles() {
    static std::vector<std::pair<files::FileStamp, std::weak_ptr<JpegBitmaps>>> files;
    return files;
}

} // namespace

std::shared_ptr<JpegBitmaps> JpegBitmapsOfFile(const files::FileStamp& stamp) {
    auto& files = LoadedFiles();
    std::erase_if(files, [](const auto& file) { return file.second.expired(); });
    for (const auto& [known, bitmaps] : files) {
        if (known == stamp)
            return bitmaps.lock();
    }
    return nullptr;
}

void RememberJpegFile(const files::FileStamp& stamp, const std::shared_ptr<JpegBitmaps>& bitmaps) {
    if (bitmaps->Bytes().empty())
        return;
    auto& files = LoadedFiles();
    std::erase_if(
        files, [&stamp](const auto& file) { return file.second.expired() || file.first == stamp; });
    files.emplace_back(stamp, bitmaps);
}

JpegDecodeRequest PlanJpegDecode(bool grayscale, int width, int height, QSize target,
                                 QRect visible) {
    JpegDecodeRequest request;
    request.grayscale = grayscale;
    request.width = width;
    request.height = height;
    request.denominator = SmallestCoveringScale(width, height, target.width(), target.height());
    const QRect whole(QPoint(0, 0), target);
    if (request.denominator == 1 && target == QSize(width, height) && !visible.isEmpty() &&
        !visible.contains(whole))
        request.part = visible & whole;
    return request;
}

JpegDecode::JpegDecode() : abandoned(std::make_shared<std::atomic<bool>>(false)) {}

JpegDecode::~JpegDecode() {
    abandoned->store(true, std::memory_order_relaxed);
}

JpegBitmaps::JpegBitmaps(std::vector<std::uint8_t> bytes)
    : bytes_(std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes))) {}

std::shared_ptr<const JpegDecode> JpegBitmaps::Decode(const JpegDecodeRequest& request,
                                                      bool inBackground) {
    const int denominator = std::clamp(request.denominator, 1, 8);
    // On an sRGB screen both spaces give the same pixels: one decode serves the screen and paper.
    const bool ownSrgb = request.space == OutputSpace::Srgb && !ScreenIsSrgb();
    const OutputSpace space = ownSrgb ? OutputSpace::Srgb : OutputSpace::Screen;
    std::weak_ptr<const JpegDecode>& slot =
        decodes_[static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(denominator))) +
                 (ownSrgb ? 4 : 0)];
    if (std::shared_ptr<const JpegDecode> held = slot.lock()) {
        if (held->part.isEmpty() || (!request.part.isEmpty() && held->part.contains(request.part)))
            return held;
    }

    auto decode = std::make_shared<JpegDecode>();
    DecodedAhead& ahead = DecodedAhead::Instance();
    // The fingerprint (most of a millisecond for a photograph) only when it may find something.
    if (std::optional<StoredDecode> stored =
            ahead.MayHoldFileOfSize(bytes_->size())
                ? ahead.Find({Fingerprint(), bytes_->size(), denominator, space}, request.part)
                : std::nullopt) {
        decode->part = stored->part;
        std::promise<DecodedJpeg> ready;
        ready.set_value(std::move(stored->decoded));
        decode->result = ready.get_future().share();
        slot = decode;
        return decode;
    }
    // The main area's picture shows in the strip's first slot too: its thumbnail rides on the
    // part's decode running now (jpegeighthoffer.h).
    if (inBackground && denominator == 8 && request.part.isEmpty() &&
        space == OutputSpace::Screen) {
        if (const std::shared_ptr<JpegEighthOffer> offer = offer_.lock()) {
            if (std::optional<std::shared_future<DecodedJpeg>> thumbnail =
                    offer->Take(decode->abandoned)) {
                decode->result = std::move(*thumbnail);
                slot = decode;
                return decode;
            }
        }
    }
    decode->part = request.part;
    const int width = JpegScaledSide(request.width, denominator);
    const int height = JpegScaledSide(request.height, denominator);
    JpegDecodeControl control;
    control.space = space;
    if (!request.part.isEmpty())
        control = {request.part.left(),
                   request.part.top(),
                   request.part.width(),
                   request.part.height(),
                   nullptr,
                   space};
    auto run = [bytes = bytes_, grayscale = request.grayscale, width, height, denominator, control,
                abandoned = decode->abandoned] {
        JpegDecodeControl running = control;
        running.abandoned = abandoned.get();
        return DecodeJpeg(*bytes, grayscale, width, height, denominator, &running);
    };
    if (inBackground && OffersEighth(request, space)) {
        auto offer = std::make_shared<JpegEighthOffer>();
        auto part = std::make_shared<std::promise<DecodedJpeg>>();
        decode->result = part->get_future().share();
        DecodePool::Instance().Post([bytes = bytes_, grayscale = request.grayscale, width, height,
                                     control, abandoned = decode->abandoned, part, offer] {
            JpegDecodeControl running = control;
            running.abandoned = abandoned.get();
            DecodePartOfferingEighth(*bytes, grayscale, width, height, running, *part, *offer,
                                     [] { DecodePool::Instance().ResultReady(); });
        });
        offer_ = offer;
    } else if (inBackground) {
        const std::weak_ptr<const JpegDecode> wanted = decode;
        decode->result = DecodePool::Instance().Run(
            [run, wanted] { return wanted.expired() ? DecodedJpeg{} : run(); });
    } else {
        decode->result = std::async(std::launch::deferred, run).share();
    }
    slot = decode;
    return decode;
}

bool JpegBitmaps::OffersEighth(const JpegDecodeRequest& request, OutputSpace space) {
    if (request.denominator != 1 || request.part.isEmpty() || space != OutputSpace::Screen)
        return false;
    // Not when the thumbnail is there already: keeping its coefficients costs the part's decode
    // a little, and reading the file to its end much more.
    if (!decodes_[3].expired())
        return false;
    DecodedAhead& ahead = DecodedAhead::Instance();
    return !ahead.MayHoldFileOfSize(bytes_->size()) ||
           !ahead.Holds({Fingerprint(), bytes_->size(), 8, space}, {});
}

std::uint64_t JpegBitmaps::Fingerprint() {
    if (!fingerprint_)
        fingerprint_ = BytesFingerprint(bytes_->data(), bytes_->size());
    return *fingerprint_;
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

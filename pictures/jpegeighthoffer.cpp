#include "pictures/jpegeighthoffer.h"

#include "pictures/jpegcoefficients.h"
#include "pictures/jpegscale.h"

std::optional<std::shared_future<DecodedJpeg>>
JpegEighthOffer::Take(std::shared_ptr<std::atomic<bool>> abandoned) {
    const std::lock_guard lock(mutex_);
    if (closed_ || taken_)
        return std::nullopt;
    taken_ = true;
    abandoned_ = std::move(abandoned);
    return thumbnail_.get_future().share();
}

const std::atomic<bool>* JpegEighthOffer::Close() {
    const std::lock_guard lock(mutex_);
    closed_ = true;
    return taken_ ? abandoned_.get() : nullptr;
}

void JpegEighthOffer::Deliver(DecodedJpeg thumbnail) {
    thumbnail_.set_value(std::move(thumbnail));
}

void DecodePartOfferingEighth(const std::vector<std::uint8_t>& bytes, bool grayscale, int width,
                              int height, const JpegDecodeControl& control,
                              std::promise<DecodedJpeg>& part, JpegEighthOffer& offer,
                              void (*ready)()) {
    JpegEighthCoefficients kept;
    const std::atomic<bool>* thumbnailAbandoned = nullptr;
    bool partSet = false;
    DecodedJpeg decoded = DecodeJpegKeepingEighth(bytes, grayscale, width, height, control, kept,
                                                  [&](const DecodedJpeg& done) {
                                                      part.set_value(done);
                                                      partSet = true;
                                                      if (ready != nullptr)
                                                          ready();
                                                      thumbnailAbandoned = offer.Close();
                                                      return thumbnailAbandoned;
                                                  });
    if (!partSet) {
        part.set_value(std::move(decoded));
        thumbnailAbandoned = offer.Close();
    }
    if (thumbnailAbandoned == nullptr)
        return;
    JpegDecodeControl thumbnail;
    thumbnail.abandoned = thumbnailAbandoned;
    thumbnail.space = control.space;
    const int thumbnailWidth = JpegScaledSide(width, 8);
    const int thumbnailHeight = JpegScaledSide(height, 8);
    DecodedJpeg made;
    if (kept.Complete()) {
        thumbnail.replay = &kept;
        made = DecodeJpeg(bytes, grayscale, thumbnailWidth, thumbnailHeight, 8, &thumbnail);
        thumbnail.replay = nullptr;
    }
    if (!kept.Complete() || made.error == JpegCoefficientsUnfit)
        made = DecodeJpeg(bytes, grayscale, thumbnailWidth, thumbnailHeight, 8, &thumbnail);
    offer.Deliver(std::move(made));
}

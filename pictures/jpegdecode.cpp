#include "pictures/jpegdecode.h"

#include "pictures/decodedahead.h"
#include "pictures/jpegerrors.h"
#include "pictures/jpegreader.h"

#include <cstring>

namespace {

DecodedJpeg DecodeInto(const std::vector<std::uint8_t>& bytes, bool grayscale, int width,
                       int height, int denominator, const JpegDecodeControl* control,
                       const PartDecoded* partDone) {
    DecodedJpeg decoded;
    QImage& image = decoded.bitmap;
    QRect part(0, 0, width, height);
    if (control != nullptr && control->width > 0)
        part &= QRect(control->left, control->top, control->width, control->height);
    if (part.isEmpty())
        part = QRect(0, 0, width, height); // nothing of it shows: the whole, as if not asked
    decoded.offset = part.topLeft();
    JpegDecodeControl asked = control != nullptr ? *control : JpegDecodeControl{};
    asked.left = part.left();
    asked.top = part.top();
    asked.width = part.width();
    asked.height = part.height();
    if (partDone != nullptr)
        asked.partDecoded = [&decoded, partDone] { return (*partDone)(decoded); };
    if (width > 0 && height > 0) {
        const QImage::Format format = grayscale ? QImage::Format_Grayscale8 : QImage::Format_RGB888;
        image = QImage(part.width(), part.height(), format);
        if (image.isNull()) {
            // What was decoded ahead of time is the first memory to give up.
            DecodedAhead::Instance().Drop();
            image = QImage(part.width(), part.height(), format);
        }
        if (image.isNull()) {
            decoded.error = BitmapAllocationFailed;
            return decoded;
        }
    }
    int rowsDone = 0;
    // An empty picture still goes through libjpeg, which reports the missing data.
    decoded.error = DecodeJpegRows(bytes.data(), bytes.size(), grayscale, width, height,
                                   image.isNull() ? nullptr : image.bits(), image.bytesPerLine(),
                                   rowsDone, denominator, 1, &asked);
    if (decoded.error != 0 && !image.isNull()) {
        // Keep what was decoded; the rest is blank, as a freshly made bitmap would be.
        for (int y = rowsDone; y < image.height(); ++y)
            std::memset(image.scanLine(y), 0, static_cast<std::size_t>(image.bytesPerLine()));
    }
    return decoded;
}

} // namespace

DecodedJpeg DecodeJpeg(const std::vector<std::uint8_t>& bytes, bool grayscale, int width,
                       int height, int denominator, const JpegDecodeControl* control) {
    return DecodeInto(bytes, grayscale, width, height, denominator, control, nullptr);
}

DecodedJpeg DecodeJpegKeepingEighth(const std::vector<std::uint8_t>& bytes, bool grayscale,
                                    int width, int height, JpegDecodeControl control,
                                    JpegEighthCoefficients& kept, const PartDecoded& partDone) {
    control.record = &kept;
    control.replay = nullptr;
    return DecodeInto(bytes, grayscale, width, height, 1, &control, &partDone);
}

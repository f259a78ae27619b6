#include "pictures/jpegdecode.h"

#include "pictures/jpegerrors.h"
#include "pictures/jpegreader.h"

#include <cstring>

DecodedJpeg DecodeJpeg(const std::vector<std::uint8_t>& bytes, bool grayscale, int width,
                       int height, int denominator, OutputSpace space) {
    DecodedJpeg decoded;
    QImage& image = decoded.bitmap;
    if (width > 0 && height > 0) {
        image =
            QImage(width, height, grayscale ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
        if (image.isNull()) {
            decoded.error = BitmapAllocationFailed;
            return decoded;
        }
    }
    int rowsDone = 0;
    // An empty picture still goes through libjpeg, which reports the missing data.
    decoded.error = DecodeJpegRows(bytes.data(), bytes.size(), grayscale, width, height,
                                   image.isNull() ? nullptr : image.bits(), image.bytesPerLine(),
                                   rowsDone, denominator, 1, space);
    if (decoded.error != 0 && !image.isNull()) {
        // Keep what was decoded; the rest is blank, as a freshly made bitmap would be.
        for (int y = rowsDone; y < height; ++y)
            std::memset(image.scanLine(y), 0, static_cast<std::size_t>(image.bytesPerLine()));
    }
    return decoded;
}

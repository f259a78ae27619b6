// JPEG load (headers) and decode: fails only with the program's own errors. And the main area's
// part with the strip's thumbnail from one reading of the file: the thumbnail must be the one its
// own decode makes, pixel for pixel and error for error, whatever the bytes.

#include "fuzz/picturefuzz.h"
#include "pictures/jpegeighthoffer.h"
#include "pictures/jpegimage.h"
#include "pictures/jpegreader.h"
#include "pictures/jpegscale.h"

#include <cstdlib>

namespace {

void CompareOneReading(const std::vector<std::uint8_t>& bytes) {
    JpegHeader header;
    if (ReadJpegHeader(bytes.data(), bytes.size(), header) != 0 || header.width < 4 ||
        header.height < 4 || static_cast<std::int64_t>(header.width) * header.height > (1 << 22))
        return;
    JpegDecodeControl part;
    part.left = header.width / 4;
    part.top = header.height / 3;
    part.width = header.width / 2;
    part.height = header.height / 3;
    JpegEighthOffer offer;
    std::promise<DecodedJpeg> partResult;
    const auto thumbnail = offer.Take(std::make_shared<std::atomic<bool>>(false));
    DecodePartOfferingEighth(bytes, header.grayscale, header.width, header.height, part, partResult,
                             offer, nullptr);
    const DecodedJpeg shared = thumbnail->get();
    const DecodedJpeg own = DecodeJpeg(bytes, header.grayscale, JpegScaledSide(header.width, 8),
                                       JpegScaledSide(header.height, 8), 8);
    if (shared.error != own.error || shared.bitmap != own.bitmap)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TJPEGImage picture;
    FuzzPicture(picture, data, size);
    CompareOneReading(std::vector<std::uint8_t>(data, data + size));
    return 0;
}

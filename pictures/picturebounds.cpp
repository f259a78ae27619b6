#include "pictures/picturebounds.h"

namespace {

std::string Claimed(std::int64_t width, std::int64_t height) {
    return std::to_string(width) + " x " + std::to_string(height) + " pixels (at most " +
           std::to_string(MaxPicturePixels / 1'000'000) + " megapixels)";
}

} // namespace

EPictureTooLarge::EPictureTooLarge(std::int64_t width, std::int64_t height)
    : EPictureTooLarge(width, height, Claimed(width, height)) {}

EPictureTooLarge::EPictureTooLarge(std::int64_t width, std::int64_t height, std::string excess)
    : EInvalidGraphic("Picture is too large: " + excess), width_(width), height_(height),
      excess_(std::move(excess)) {}

EPictureTooLarge::EPictureTooLarge(const EPictureTooLarge& refused, MessagePart fileName)
    : EInvalidGraphic(std::vector<MessagePart>{
          {"Picture "}, std::move(fileName), {" is too large: " + refused.excess_}}),
      width_(refused.width_), height_(refused.height_), excess_(refused.excess_) {}

void CheckJpegCoefficients(std::int64_t width, std::int64_t height, std::int64_t bytes) {
    if (bytes > MaxJpegCoefficientBytes)
        throw EPictureTooLarge(width, height,
                               std::to_string(width) + " x " + std::to_string(height) +
                                   " pixels in several scans need " +
                                   std::to_string((bytes + 999'999) / 1'000'000) +
                                   " MB to decode (at most " +
                                   std::to_string(MaxJpegCoefficientBytes / 1'000'000) + " MB)");
}

EPictureTooComplex::EPictureTooComplex(std::string excess)
    : EInvalidGraphic("Picture is too complex: " + excess), excess_(std::move(excess)) {}

EPictureTooComplex::EPictureTooComplex(const EPictureTooComplex& refused, MessagePart fileName)
    : EInvalidGraphic(std::vector<MessagePart>{
          {"Picture "}, std::move(fileName), {" is too complex: " + refused.excess_}}),
      excess_(refused.excess_) {}

void CheckPictureSize(std::int64_t width, std::int64_t height) {
    if (width > 0 && height > 0 && width > MaxPicturePixels / height)
        throw EPictureTooLarge(width, height);
}

EPictureFileTooLarge::EPictureFileTooLarge(MessagePart fileName, std::uint64_t size)
    : EInvalidGraphic(
          std::vector<MessagePart>{{"Picture file "},
                                   std::move(fileName),
                                   {" is too large: " + std::to_string(size) + " bytes (at most " +
                                    std::to_string(MaxPictureFileBytes / 1'000'000) + " MB)"}}) {}

#include "pictures/picturebounds.h"

namespace {

std::string Claimed(std::int64_t width, std::int64_t height) {
    return std::to_string(width) + " x " + std::to_string(height) + " pixels (at most " +
           std::to_string(MaxPicturePixels / 1'000'000) + " megapixels)";
}

} // namespace

EPictureTooLarge::EPictureTooLarge(std::int64_t width, std::int64_t height)
    : EInvalidGraphic("Picture is too large: " + Claimed(width, height)), width_(width),
      height_(height) {}

EPictureTooLarge::EPictureTooLarge(const EPictureTooLarge& refused, MessagePart fileName)
    : EInvalidGraphic(
          std::vector<MessagePart>{{"Picture "},
                                   std::move(fileName),
                                   {" is too large: " + Claimed(refused.width_, refused.height_)}}),
      width_(refused.width_), height_(refused.height_) {}

void CheckPictureSize(std::int64_t width, std::int64_t height) {
    if (width > 0 && height > 0 && width > MaxPicturePixels / height)
        throw EPictureTooLarge(width, height);
}

EPictureFileTooLarge::EPictureFileTooLarge(MessagePart fileName, std::uint64_t size)
    : EInvalidGraphic(
          std::vector<MessagePart>{{"Picture file "},
                                   std::move(fileName),
                                   {" is too large: " + std::to_string(size) + " bytes (at most " +
                                    std::to_string(MaxPictureFileBytes >> 20) + " MB)"}}) {}

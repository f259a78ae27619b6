#pragma once
// How large a picture may be. Files come from outside (a stick, a share), and a header of a
// few hundred bytes can claim a bitmap of gigabytes: every picture class checks the size it
// claims before allocating anything for it.

#include "core/errors.h"

#include <cstdint>
#include <string>

// 160 megapixels: every real photograph (15000 x 10000 is 150) and nothing that cannot be held:
// at most 480 MB decoded as 24-bit JPEG pixels, 640 MB as 32-bit bitmap pixels.
inline constexpr std::int64_t MaxPicturePixels = 160'000'000;

// The largest file a picture within the bound needs: a 32-bit BMP of 160 megapixels.
inline constexpr std::uint64_t MaxPictureFileBytes =
    static_cast<std::uint64_t>(MaxPicturePixels) * 4 + (1 << 20);

// libjpeg's own buffers (a progressive file keeps every coefficient of the picture until its
// last scan: 6 bytes a pixel for full-resolution colour). Past it libjpeg fails with its
// "no backing store" error rather than ask for more.
inline constexpr long JpegMemoryLimit = 1L << 30;

// A picture whose claimed size passes the bound. Refused like an invalid picture: the holder
// keeps its previous one.
class EPictureTooLarge : public EInvalidGraphic {
public:
    EPictureTooLarge(std::int64_t width, std::int64_t height);
    // The same refusal, naming the file it was loaded from.
    EPictureTooLarge(const EPictureTooLarge& refused, MessagePart fileName);
    std::int64_t Width() const { return width_; }
    std::int64_t Height() const { return height_; }

private:
    std::int64_t width_;
    std::int64_t height_;
};

// Raises EPictureTooLarge when width x height passes MaxPicturePixels.
void CheckPictureSize(std::int64_t width, std::int64_t height);

// A picture file larger than MaxPictureFileBytes, refused before it is read.
class EPictureFileTooLarge : public EInvalidGraphic {
public:
    EPictureFileTooLarge(MessagePart fileName, std::uint64_t size);
};

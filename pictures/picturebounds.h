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

// What a file of several scans (a progressive JPEG) may need for the coefficients libjpeg keeps
// for the whole picture until its last scan: 3 bytes a pixel for colour with its chroma halved
// each way (what cameras and editors write), so every such picture within the bound fits, while
// one in full chroma resolution (6 bytes a pixel) fits up to 80 megapixels. Past it a file is
// refused when it loads: libjpeg has no other way to read it, and the picture and the program
// must stay well under 600 MB.
inline constexpr std::int64_t MaxJpegCoefficientBytes = 480'000'000;

// libjpeg's own buffers: the coefficients above and the rows it works on. Past it libjpeg fails
// with its "no backing store" error rather than ask for more.
inline constexpr long JpegMemoryLimit = MaxJpegCoefficientBytes + (64L << 20);

// A picture whose claimed size passes the bound. Refused like an invalid picture: the holder
// keeps its previous one.
class EPictureTooLarge : public EInvalidGraphic {
public:
    EPictureTooLarge(std::int64_t width, std::int64_t height);
    // The same refusal, naming the file it was loaded from.
    EPictureTooLarge(const EPictureTooLarge& refused, MessagePart fileName);
    // What the picture needs past which limit, in place of the claimed size.
    EPictureTooLarge(std::int64_t width, std::int64_t height, std::string excess);
    std::int64_t Width() const { return width_; }
    std::int64_t Height() const { return height_; }

private:
    std::int64_t width_;
    std::int64_t height_;
    std::string excess_; // "30000 x 30000 pixels (at most 160 megapixels)"
};

// Raises EPictureTooLarge when width x height passes MaxPicturePixels.
void CheckPictureSize(std::int64_t width, std::int64_t height);

// Raises EPictureTooLarge when a JPEG of several scans needs more than MaxJpegCoefficientBytes.
void CheckJpegCoefficients(std::int64_t width, std::int64_t height, std::int64_t bytes);

// A picture that would cost more work than any real one (what it has past what limit, as
// "5000 scans (at most 100)"). Refused like an invalid picture: the holder keeps its previous
// one; found while decoding, it ends the decode.
class EPictureTooComplex : public EInvalidGraphic {
public:
    explicit EPictureTooComplex(std::string excess);
    // The same refusal, naming the file the picture was loaded from.
    EPictureTooComplex(const EPictureTooComplex& refused, MessagePart fileName);

private:
    std::string excess_;
};

// A picture file larger than MaxPictureFileBytes, refused before it is read.
class EPictureFileTooLarge : public EInvalidGraphic {
public:
    EPictureFileTooLarge(MessagePart fileName, std::uint64_t size);
};

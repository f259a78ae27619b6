#pragma once
// One decode of a JPEG file's bytes into a bitmap of its own, at full size or scaled down by
// libjpeg. Plain data in, a QImage value out: it may run on any thread.

#include "colour/outputspace.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include <QImage>

#include "pictures/jpegreader.h"

// DecodedJpeg::error when the bitmap itself could not be allocated (no libjpeg code is negative).
inline constexpr int BitmapAllocationFailed = -1;

struct DecodedJpeg {
    // 24-bit RGB, or 8-bit grayscale for grayscale files; the rows after a failure are black.
    // Null when there was nothing to decode into.
    QImage bitmap;
    // Where the bitmap's top-left pixel lies in the picture at the decode's scale: not at 0, 0
    // when only a part was decoded.
    QPoint offset;
    int error = 0; // libjpeg's message code when decoding failed, 0 otherwise
};

// Decodes at 1 / denominator (1, 2, 4 or 8) into a width x height bitmap, the output size at
// that scale (jpegscale.h); control (jpegreader.h) may ask for a part of it only, and
// names the colours wanted.
DecodedJpeg DecodeJpeg(const std::vector<std::uint8_t>& bytes, bool grayscale, int width,
                       int height, int denominator, const JpegDecodeControl* control = nullptr);

// Told a part's pixels as soon as they are decoded; answers as JpegDecodeControl::partDecoded.
using PartDecoded = std::function<const std::atomic<bool>*(const DecodedJpeg& part)>;

// DecodeJpeg at full size of the part control asks for, keeping on the way the coefficients of
// the file's 1/8 thumbnail (jpegcoefficients.h) when partDone asks to go on. The part reaches
// partDone before the rest of the file is read; an error after it is returned but leaves the part
// as it was handed over, and kept incomplete.
DecodedJpeg DecodeJpegKeepingEighth(const std::vector<std::uint8_t>& bytes, bool grayscale,
                                    int width, int height, JpegDecodeControl control,
                                    JpegEighthCoefficients& kept, const PartDecoded& partDone);

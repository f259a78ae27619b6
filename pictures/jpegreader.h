#pragma once
// Reading JPEG data with libjpeg: the headers at load, the full decode at the first drawing.
// Both return libjpeg's message code on failure (0 on success) and never throw, so the caller
// raises the error after libjpeg's frames are gone.

#include "colour/outputspace.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

class JpegEighthCoefficients;

struct JpegHeader {
    int width = 0;
    int height = 0;
    bool grayscale = false;
    bool progressive = false;
    // What libjpeg keeps for the whole picture while it reads a file of several scans (a
    // progressive file): every coefficient, the same at every output scale. 0 for one scan.
    std::int64_t coefficientBytes = 0;
};

int ReadJpegHeader(const std::uint8_t* data, std::size_t size, JpegHeader& header);

// Decodes into rows of the caller's buffer (row y at first + y * stride): three bytes R, G, B a
// pixel (CMYK and YCCK files too), or one byte for grayscale. libjpeg scales while it decodes, by
// scaleNumerator / scaleDenominator (1/1, 1/2, 1/4 and 1/8 for the viewer, n/8 for any n from 1
// to 8); expectedWidth and expectedHeight are the output's (jpegscale.h), the header's at 1/1.
// rowsDone is set to the rows written, also when decoding fails part way. The pixels arrive in
// control's space (the screen's without one): a picture with an embedded profile is converted to
// it, an untagged one is taken as sRGB (colour/colour.h). Touches nothing but its arguments and
// the converters' cache, so decodes may run on several threads at once.
//
// control, when given, limits the decode to a part of the output (the rows of the caller's
// buffer are then the part's rows, rowsDone counts them; libjpeg skips the rows above and crops
// the columns to the blocks covering the part) and lets it be abandoned: set abandoned, and the
// decode stops with JpegAbandoned (jpegwork.h). Multi-scan files are bounded in scans and work.
//
// record and replay share one reading of the file between a part at full size and the 1/8
// thumbnail (jpegcoefficients.h). With record, once the part's rows are written, partDecoded
// says whether to go on through the rest of the file for the thumbnail's coefficients: the flag
// that then abandons it, or null to stop there; the caller's rows are not touched after it. With
// replay the file's entropy-coded data is not read: a replay that does not fit the file fails
// with JpegCoefficientsUnfit.
struct JpegDecodeControl {
    int left = 0, top = 0, width = 0, height = 0; // in output pixels; width 0: the whole output
    const std::atomic<bool>* abandoned = nullptr;
    OutputSpace space = OutputSpace::Screen;
    JpegEighthCoefficients* record = nullptr;
    std::function<const std::atomic<bool>*()> partDecoded = nullptr;
    JpegEighthCoefficients* replay = nullptr;
};
int DecodeJpegRows(const std::uint8_t* data, std::size_t size, bool grayscale, int expectedWidth,
                   int expectedHeight, std::uint8_t* first, std::ptrdiff_t stride, int& rowsDone,
                   int scaleDenominator = 1, int scaleNumerator = 1,
                   const JpegDecodeControl* control = nullptr);

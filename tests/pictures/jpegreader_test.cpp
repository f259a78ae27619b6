#include "core/errors.h"
#include "pictures/jpegencoder.h"
#include "pictures/jpegerrors.h"
#include "pictures/jpegmemorybudget.h"
#include "pictures/jpegreader.h"
#include "pictures/picturebounds.h"
#include "tests/pictures/testpictures.h"

#include <chrono>
#include <cstdlib>
#include <future>
#include <string>

#include <gtest/gtest.h>

namespace {

struct Decoded {
    int code = 0;
    int rows = 0;
    std::vector<std::uint8_t> pixels;
};

Decoded Decode(const std::vector<std::uint8_t>& jpeg, const JpegHeader& header) {
    Decoded out;
    const int channels = header.grayscale ? 1 : 3;
    out.pixels.assign(static_cast<std::size_t>(header.width) * header.height * channels, 0xAB);
    out.code = DecodeJpegRows(jpeg.data(), jpeg.size(), header.grayscale, header.width,
                              header.height, out.pixels.data(), header.width * channels, out.rows);
    return out;
}

double MeanDifference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    EXPECT_EQ(a.size(), b.size());
    double sum = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        sum += std::abs(a[i] - b[i]);
    return sum / static_cast<double>(a.size());
}

TEST(JpegEncoderTest, ColourPictureRoundTripsThroughLibjpeg) {
    const std::vector<std::uint8_t> jpeg = MakeJpeg(67, 45, false, 95);
    JpegHeader header;
    ASSERT_EQ(ReadJpegHeader(jpeg.data(), jpeg.size(), header), 0);
    EXPECT_EQ(header.width, 67);
    EXPECT_EQ(header.height, 45);
    EXPECT_FALSE(header.grayscale);
    EXPECT_FALSE(header.progressive);
    const Decoded decoded = Decode(jpeg, header);
    ASSERT_EQ(decoded.code, 0);
    EXPECT_EQ(decoded.rows, 45);
    EXPECT_LT(MeanDifference(decoded.pixels, PatternPixels(67, 45)), 3.0);
}

TEST(JpegEncoderTest, GrayscalePictureKeepsOneComponent) {
    const std::vector<std::uint8_t> jpeg = MakeJpeg(20, 10, true);
    JpegHeader header;
    ASSERT_EQ(ReadJpegHeader(jpeg.data(), jpeg.size(), header), 0);
    EXPECT_TRUE(header.grayscale);
    const Decoded decoded = Decode(jpeg, header);
    ASSERT_EQ(decoded.code, 0);
    EXPECT_EQ(decoded.pixels.size(), 200u);
}

TEST(JpegEncoderTest, WritesBaselineJfifWithTheDensity) {
    const std::vector<std::uint8_t> rgb = PatternPixels(8, 8);
    const std::vector<std::uint8_t> jpeg = EncodeJpeg(rgb.data(), 8, 8, false, 80, 300);
    ASSERT_GT(jpeg.size(), 20u);
    // SOI, then APP0 "JFIF\0", version, units 1 (dpi), X and Y density big-endian.
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    EXPECT_EQ(jpeg[3], 0xE0);
    EXPECT_EQ(std::string(jpeg.begin() + 6, jpeg.begin() + 11), std::string("JFIF\0", 5));
    EXPECT_EQ(jpeg[13], 1);
    EXPECT_EQ(jpeg[14] << 8 | jpeg[15], 300);
    EXPECT_EQ(jpeg[16] << 8 | jpeg[17], 300);
    bool baselineFrame = false;
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i)
        baselineFrame = baselineFrame || (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0);
    EXPECT_TRUE(baselineFrame);
}

TEST(JpegReaderTest, ProgressiveFileIsRecognisedAndDecodesInOnePass) {
    const std::vector<std::uint8_t> jpeg = MakeProgressiveJpeg(40, 30);
    JpegHeader header;
    ASSERT_EQ(ReadJpegHeader(jpeg.data(), jpeg.size(), header), 0);
    EXPECT_TRUE(header.progressive);
    const Decoded decoded = Decode(jpeg, header);
    ASSERT_EQ(decoded.code, 0);
    EXPECT_EQ(decoded.rows, 30);
    EXPECT_LT(MeanDifference(decoded.pixels, PatternPixels(40, 30)), 6.0);
}

// The messages are numbered as libjpeg version 6 numbers them.
TEST(JpegReaderTest, TextFileFailsAtHeaderWithCode52) {
    const std::string text = "This is not a picture.\r\n";
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    JpegHeader header;
    header.width = 5;
    const int code = ReadJpegHeader(bytes.data(), bytes.size(), header);
    ASSERT_NE(code, 0);
    EXPECT_EQ(Version6MessageCode(code), 52);
    EXPECT_EQ(header.width, 5) << "a failed read leaves the header alone";
    try {
        RaiseJpegError(code);
        FAIL() << "no exception";
    } catch (const EJPEG& error) {
        EXPECT_EQ(error.Code(), 52);
        EXPECT_EQ(error.Message(), "JPEG error #52");
    }
}

TEST(JpegReaderTest, NoDataAtAllFailsWithCode41) {
    int rows = -1;
    const int code = DecodeJpegRows(nullptr, 0, false, 0, 0, nullptr, 0, rows);
    EXPECT_EQ(Version6MessageCode(code), 41);
    EXPECT_EQ(rows, 0);
}

TEST(JpegReaderTest, HeadersCutShortFailAtLoad) {
    const std::vector<std::uint8_t> jpeg = MakeJpeg(16, 16);
    const std::vector<std::uint8_t> start(jpeg.begin(), jpeg.begin() + 30);
    JpegHeader header;
    EXPECT_NE(ReadJpegHeader(start.data(), start.size(), header), 0);
}

TEST(JpegReaderTest, DataEndingEarlyDecodesAsFarAsItGoesWithoutError) {
    const std::vector<std::uint8_t> jpeg = MakeJpeg(64, 64);
    JpegHeader header;
    ASSERT_EQ(ReadJpegHeader(jpeg.data(), jpeg.size(), header), 0);
    const Decoded whole = Decode(jpeg, header);
    const std::vector<std::uint8_t> cut(jpeg.begin(), jpeg.begin() + jpeg.size() * 3 / 5);
    const Decoded part = Decode(cut, header);
    EXPECT_EQ(part.code, 0);
    EXPECT_EQ(part.rows, 64) << "libjpeg fills in the missing rest";
    // The first rows came from real data and match the complete file.
    const std::size_t firstRows = 8 * 64 * 3;
    EXPECT_TRUE(
        std::equal(whole.pixels.begin(), whole.pixels.begin() + firstRows, part.pixels.begin()));
    EXPECT_NE(whole.pixels, part.pixels);
}

TEST(JpegReaderTest, ErrorAfterThePictureDataKeepsTheDecodedRows) {
    const std::vector<std::uint8_t> good = MakeJpeg(32, 24);
    const std::vector<std::uint8_t> bad = WithBadMarkerBeforeEnd(good);
    JpegHeader header;
    ASSERT_EQ(ReadJpegHeader(bad.data(), bad.size(), header), 0);
    const Decoded whole = Decode(good, header);
    const Decoded failed = Decode(bad, header);
    EXPECT_EQ(Version6MessageCode(failed.code), 11); // bad marker length
    EXPECT_EQ(failed.rows, 24);
    EXPECT_EQ(failed.pixels, whole.pixels);
}

TEST(JpegReaderTest, RefusesToDecodeIntoABufferOfAnotherSize) {
    const std::vector<std::uint8_t> jpeg = MakeJpeg(16, 16);
    std::vector<std::uint8_t> small(8 * 8 * 3);
    int rows = 0;
    EXPECT_NE(DecodeJpegRows(jpeg.data(), jpeg.size(), false, 8, 8, small.data(), 24, rows), 0);
    EXPECT_EQ(rows, 0);
}

} // namespace

TEST(JpegReaderTest, PrintingInksDecodeToRgb) {
    for (const auto& [ycck, adobeMarker] : {std::pair{false, true}, {true, true}, {false, false}}) {
        const std::vector<std::uint8_t> jpeg = MakeInkJpeg(ycck, adobeMarker);
        JpegHeader header;
        ASSERT_EQ(ReadJpegHeader(jpeg.data(), jpeg.size(), header), 0);
        const Decoded decoded = Decode(jpeg, header);
        ASSERT_EQ(decoded.code, 0) << ycck << adobeMarker;
        // Row 8: cyan at x = 8, yellow over half black at x = 24.
        const std::uint8_t* row = &decoded.pixels[8 * 32 * 3];
        const int want[2][3] = {{0, 255, 255}, {127, 127, 0}};
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(row[8 * 3 + c], want[0][c], 8) << ycck << adobeMarker << c;
            EXPECT_NEAR(row[24 * 3 + c], want[1][c], 8) << ycck << adobeMarker << c;
        }
    }
}

TEST(JpegReaderTest, ProgressiveDecodesWaitForTheSharedCoefficientBudget) {
    const std::vector<std::uint8_t> progressive = MakeProgressiveJpeg(256, 192);
    const std::vector<std::uint8_t> baseline = MakeJpeg(256, 192);
    JpegHeader header;
    ASSERT_EQ(ReadJpegHeader(progressive.data(), progressive.size(), header), 0);
    const Decoded alone = Decode(progressive, header);
    ASSERT_EQ(alone.code, 0);

    JpegMemoryBudget& budget = JpegMemoryBudget::Instance();
    ASSERT_EQ(budget.Available(), JpegMemoryLimit);
    // A need past the whole budget is capped to it, so everything else waits meanwhile.
    JpegMemoryBudget::Lease everything = budget.Take(JpegMemoryLimit * 2);
    EXPECT_EQ(budget.Available(), 0);
    // A baseline file keeps no whole-picture buffers and decodes regardless.
    EXPECT_EQ(Decode(baseline, header).code, 0);
    auto waiting = std::async(std::launch::async, [&] { return Decode(progressive, header); });
    EXPECT_EQ(waiting.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
    everything = {};
    const Decoded later = waiting.get();
    EXPECT_EQ(later.code, 0);
    EXPECT_EQ(later.pixels, alone.pixels);
    EXPECT_EQ(budget.Available(), JpegMemoryLimit);
}

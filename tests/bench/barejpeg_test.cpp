// libjpeg alone is the yardstick only if it decodes what the viewer decodes, byte for byte.

#include "bench/pictureview/barejpeg.h"
#include "bench/pictureview/paintingpattern.h"
#include "pictures/jpegreader.h"
#include "pictures/pictures.h"

#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>
#include <jpeglib.h>

namespace {

// A progressive file cut short after its first scans: block smoothing then changes what the
// missing detail looks like (the viewer never writes such a file, but it reads one).
std::vector<std::uint8_t> CutProgressiveJpeg(const std::vector<std::uint8_t>& rgb, int width,
                                             int height) {
    std::vector<std::uint8_t> bytes = EncodeJpeg(rgb.data(), width, height, false, 40, 72, true);
    bytes.resize(bytes.size() * 3 / 10);
    return bytes;
}

std::vector<std::uint8_t> Grayscale(const std::vector<std::uint8_t>& rgb) {
    std::vector<std::uint8_t> gray(rgb.size() / 3);
    for (std::size_t i = 0; i < gray.size(); ++i)
        gray[i] = rgb[i * 3 + 1];
    return gray;
}

struct Kind {
    const char* name;
    std::vector<std::uint8_t> (*make)(const std::vector<std::uint8_t>& rgb, int width, int height);
};

void PrintTo(const Kind& kind, std::ostream* out) {
    *out << kind.name;
}

// Odd sizes, so a wrong row length or a lost last row shows.
constexpr int Width = 333;
constexpr int Height = 251;

const Kind Kinds[] = {
    {"baseline", [](const std::vector<std::uint8_t>& rgb, int w,
                    int h) { return EncodeJpeg(rgb.data(), w, h, false, 90); }},
    {"cut_progressive", CutProgressiveJpeg},
    {"grayscale",
     [](const std::vector<std::uint8_t>& rgb, int w, int h) {
         const std::vector<std::uint8_t> gray = Grayscale(rgb);
         return EncodeJpeg(gray.data(), w, h, true, 90);
     }},
};

class BareDecoderTest : public testing::TestWithParam<Kind> {};

TEST_P(BareDecoderTest, GivesTheViewersPixelsExactly) {
    const std::vector<std::uint8_t> jpeg =
        GetParam().make(PaintingPixels(Width, Height, 3), Width, Height);

    JpegHeader header;
    ASSERT_EQ(ReadJpegHeader(jpeg.data(), jpeg.size(), header), 0);
    const int channels = header.grayscale ? 1 : 3;
    std::vector<std::uint8_t> viewer(std::size_t(Width) * Height * channels);
    int rows = 0;
    ASSERT_EQ(DecodeJpegRows(jpeg.data(), jpeg.size(), header.grayscale, header.width,
                             header.height, viewer.data(), Width * channels, rows),
              0);
    ASSERT_EQ(rows, Height);

    const BareDecoded bare = DecodeWithLibjpeg(jpeg);
    ASSERT_EQ(bare.width, Width);
    ASSERT_EQ(bare.height, Height);
    ASSERT_EQ(bare.components, channels);
    const std::vector<std::uint8_t> barePixels(bare.pixels.get(),
                                               bare.pixels.get() + viewer.size());
    EXPECT_TRUE(barePixels == viewer) << GetParam().name << " pixels differ";
}

INSTANTIATE_TEST_SUITE_P(Files, BareDecoderTest, testing::ValuesIn(Kinds),
                         [](const testing::TestParamInfo<Kind>& test) {
                             return std::string(test.param.name);
                         });

TEST(ReadBytesTest, ReadsAWholeFileAndRefusesAMissingOne) {
    const std::string path = testing::TempDir() + "bench_read_bytes.bin";
    std::vector<std::uint8_t> bytes(200000);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);

    EXPECT_TRUE(ReadBytes(path) == bytes);
    std::remove(path.c_str());
    EXPECT_THROW(ReadBytes(path), std::runtime_error);
}

} // namespace

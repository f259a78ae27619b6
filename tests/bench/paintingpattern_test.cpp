// The benchmark's pictures must cost libjpeg what real paintings cost: colourful and textured,
// never flat, and the same from run to run.

#include "bench/pictureview/paintingpattern.h"
#include "pictures/pictures.h"

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

namespace {

constexpr int Width = 400;
constexpr int Height = 300;

TEST(PaintingPatternTest, SameSeedSamePictureAnotherSeedAnother) {
    const std::vector<std::uint8_t> first = PaintingPixels(Width, Height, 1);
    ASSERT_EQ(first.size(), std::size_t(Width) * Height * 3);
    EXPECT_TRUE(PaintingPixels(Width, Height, 1) == first);
    EXPECT_FALSE(PaintingPixels(Width, Height, 2) == first);
    EXPECT_TRUE(PaintingPixels(0, Height, 1).empty());
}

TEST(PaintingPatternTest, ColourfulAcrossThePictureAndTexturedUpClose) {
    const std::vector<std::uint8_t> rgb = PaintingPixels(Width, Height, 4);
    std::set<int> colours; // 4 bits a channel
    int low[3] = {255, 255, 255}, high[3] = {0, 0, 0};
    std::size_t neighboursAlike = 0;
    for (std::size_t i = 0; i < rgb.size(); i += 3) {
        colours.insert((rgb[i] >> 4) << 8 | (rgb[i + 1] >> 4) << 4 | rgb[i + 2] >> 4);
        for (int c = 0; c < 3; ++c) {
            low[c] = std::min<int>(low[c], rgb[i + c]);
            high[c] = std::max<int>(high[c], rgb[i + c]);
        }
        if (i >= 3 && std::equal(&rgb[i], &rgb[i] + 3, &rgb[i - 3]))
            ++neighboursAlike;
    }
    for (int c = 0; c < 3; ++c)
        EXPECT_GT(high[c] - low[c], 150) << "channel " << c;
    EXPECT_GT(colours.size(), 400u);
    // Grain: side by side, pixels are rarely identical.
    EXPECT_LT(neighboursAlike, rgb.size() / 3 / 20);
}

TEST(PaintingPatternTest, CompressesLikeAPictureNotLikeFlatColour) {
    const std::vector<std::uint8_t> painting = PaintingPixels(Width, Height, 5);
    const std::vector<std::uint8_t> flat(painting.size(), 128);
    const double pixels = double(Width) * Height;
    const double paintingBytes = EncodeJpeg(painting.data(), Width, Height, false, 90).size();
    const double flatBytes = EncodeJpeg(flat.data(), Width, Height, false, 90).size();
    EXPECT_GT(paintingBytes / pixels, 0.3);
    EXPECT_GT(paintingBytes, 10 * flatBytes);
}

} // namespace

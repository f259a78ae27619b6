#include "pictures/jpegdecode.h"
#include "pictures/jpegscale.h"
#include "tests/pictures/testpictures.h"

#include <ostream>

#include <gtest/gtest.h>

namespace {

struct ScaleCase {
    int width, height;             // the picture
    int targetWidth, targetHeight; // the slot it is fitted to
    int denominator;
};

std::ostream& operator<<(std::ostream& out, const ScaleCase& c) {
    return out << c.width << "x" << c.height << " into " << c.targetWidth << "x" << c.targetHeight
               << " -> 1/" << c.denominator;
}

class SmallestCoveringScaleTable : public testing::TestWithParam<ScaleCase> {};

TEST_P(SmallestCoveringScaleTable, NeverDecodesSmallerThanTheTarget) {
    const ScaleCase& c = GetParam();
    EXPECT_EQ(SmallestCoveringScale(c.width, c.height, c.targetWidth, c.targetHeight),
              c.denominator);
}

INSTANTIATE_TEST_SUITE_P(
    Slots, SmallestCoveringScaleTable,
    testing::Values(ScaleCase{4000, 3000, 112, 84, 8}, // the camera picture: 500 x 375
                    ScaleCase{896, 672, 112, 84, 8},   // exactly 112 x 84 at 1/8
                    ScaleCase{889, 667, 112, 84, 8},   // libjpeg rounds up: still 112 x 84
                    ScaleCase{888, 666, 112, 84, 4},   // 111 wide at 1/8 would not cover
                    ScaleCase{640, 480, 112, 84, 4}, ScaleCase{600, 800, 84, 112, 4},
                    ScaleCase{475, 560, 94, 112, 4}, ScaleCase{300, 200, 112, 74, 2},
                    ScaleCase{200, 150, 112, 84, 1},  // 1/2 gives 100 x 75
                    ScaleCase{113, 112, 112, 111, 1}, // nearly its own size
                    ScaleCase{100, 50, 100, 50, 1}    // never enlarged: its own size
                    ));

TEST(ScaledDecode, LibjpegGivesTheSizeTheScaleRulePredicts) {
    const std::vector<std::uint8_t> jpeg = MakeJpeg(67, 45);
    for (const int denominator : {1, 2, 4, 8}) {
        const int width = JpegScaledSide(67, denominator);
        const int height = JpegScaledSide(45, denominator);
        // The reader refuses an output size other than the one it was given.
        const DecodedJpeg decoded = DecodeJpeg(jpeg, false, width, height, denominator);
        EXPECT_EQ(decoded.error, 0) << "1/" << denominator;
        EXPECT_EQ(decoded.bitmap.size(), QSize(width, height));
    }
    EXPECT_EQ(JpegScaledSide(67, 8), 9);
}

} // namespace

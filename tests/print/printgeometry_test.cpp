// Millimetres to device pixels, screen pixels to printer pixels, and the picture's cut.

#include "captionlines.h"
#include "printgeometry.h"

#include <gtest/gtest.h>
#include <ostream>

using namespace printgeometry;

namespace printgeometry {
void PrintTo(const DeviceRect& r, std::ostream* os) {
    *os << "{left " << r.left << ", top " << r.top << ", " << r.width << " x " << r.height << "}";
}
} // namespace printgeometry

namespace {

struct PaperCase {
    const char* name;
    double tenths;
    int dpi;
    int origin;
    int expected;
};

class PaperToDevice : public testing::TestWithParam<PaperCase> {};

TEST_P(PaperToDevice, MeasuresFromThePaperEdge) {
    const PaperCase& c = GetParam();
    const DeviceMetrics device{c.dpi, c.dpi, c.origin, c.origin};
    EXPECT_EQ(PaperXToDevice(c.tenths, device), c.expected);
    EXPECT_EQ(PaperYToDevice(c.tenths, device), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaperToDevice,
    testing::Values(
        // 142.33 tenths (the caption's left edge) is 672.43 px at 1200 dpi.
        PaperCase{"CaptionLeftAt1200", 142.33, 1200, 0, 672},
        PaperCase{"CaptionLeftAt600", 142.33, 600, 0, 336},
        PaperCase{"PictureTopAt1200", 248.17, 1200, 0, 1172},
        // At 254 dpi a tenth of a millimetre is exactly one pixel.
        PaperCase{"PictureTopAt254", 248.17, 254, 0, 248},
        // An unprintable margin of 4.23 mm (100 px at 600 dpi) moves everything up and left.
        PaperCase{"WithUnprintableMargin", 142.33, 600, 100, 236},
        PaperCase{"PaperEdgeInsideMargin", 0, 600, 100, -100},
        PaperCase{"HalfPixelRoundsUp", 12.7, 10, 0, 1}),
    [](const testing::TestParamInfo<PaperCase>& info) { return info.param.name; });

struct ScaleCase {
    const char* name;
    int pixels;
    int deviceDpi;
    int screenDpi;
    int expected;
};

class ScreenToDevice : public testing::TestWithParam<ScaleCase> {};

TEST_P(ScreenToDevice, KeepsThePhysicalSize) {
    const ScaleCase& c = GetParam();
    EXPECT_EQ(ScreenToDevicePixels(c.pixels, c.deviceDpi, c.screenDpi), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScreenToDevice,
    testing::Values(
        // 529 x 450 at 96 dpi is 139.96 x 119.06 mm: 6612.5 rounds up to 6613 at 1200 dpi.
        ScaleCase{"Width529At1200", 529, 1200, 96, 6613},
        ScaleCase{"Height450At1200", 450, 1200, 96, 5625},
        ScaleCase{"Width529At600", 529, 600, 96, 3306},
        ScaleCase{"LargeScreenFont120", 529, 1200, 120, 5290}, ScaleCase{"Zero", 0, 1200, 96, 0},
        ScaleCase{"NegativeHalfAwayFromZero", -1, 48, 96, -1},
        ScaleCase{"NoScreenResolution", 529, 1200, 0, 0},
        // Large pictures at high resolutions do not overflow.
        ScaleCase{"NoOverflow", 30000, 2400, 72, 1000000}),
    [](const testing::TestParamInfo<ScaleCase>& info) { return info.param.name; });

TEST(FontPixelSize, FifteenPointsAtPrinterResolutions) {
    // -20 px on the 96 dpi grid is 15 pt: 250 px at 1200 dpi, 125 at 600.
    EXPECT_EQ(FontPixelSize(-20, 1200), 250);
    EXPECT_EQ(FontPixelSize(-20, 600), 125);
    EXPECT_EQ(FontPixelSize(20, 96), 20);
}

TEST(PaperRectToDevice, EdgesRoundOnTheirOwn) {
    // The picture box: 1780.6 tenths wide from 142.33; its right edge 1922.93 is 9085 px at
    // 1200 dpi, so the width is 9085 - 672, not the rounded width 8412.
    const DeviceRect box = PaperRectToDevice({142.33, 248.17, 1780.6, 1505.48}, {1200, 1200, 0, 0});
    EXPECT_EQ(box, (DeviceRect{672, 1172, 8413, 7113}));
}

struct PlacementCase {
    const char* name;
    int width;
    int height;
    DeviceRect picture;
    DeviceRect visible;
};

class PlacePictureInBox : public testing::TestWithParam<PlacementCase> {};

// The box of the print page at 254 dpi: 10 pixels a millimetre.
const PaperRect kBox{142.33, 248.17, 1780.6, 1505.48};
const DeviceMetrics k254{254, 254, 0, 0};

TEST_P(PlacePictureInBox, UnscaledFromTheCornerCutAtTheBox) {
    const PlacementCase& c = GetParam();
    const PicturePlacement placement = PlacePicture(kBox, c.width, c.height, k254, 96, 96);
    EXPECT_EQ(placement.box, (DeviceRect{142, 248, 1781, 1506}));
    EXPECT_EQ(placement.picture, c.picture);
    EXPECT_EQ(placement.visible, c.visible);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlacePictureInBox,
    testing::Values(
        PlacementCase{"Smaller", 529, 450, {142, 248, 1400, 1191}, {142, 248, 1400, 1191}},
        PlacementCase{"Wider", 800, 100, {142, 248, 2117, 265}, {142, 248, 1781, 265}},
        PlacementCase{"Taller", 100, 700, {142, 248, 265, 1852}, {142, 248, 265, 1506}},
        PlacementCase{"Both", 4000, 3000, {142, 248, 10583, 7938}, {142, 248, 1781, 1506}},
        // 673 x 569 screen pixels are the box itself, within the rounding of its edges.
        PlacementCase{"TheBoxItself", 673, 569, {142, 248, 1781, 1505}, {142, 248, 1781, 1505}},
        PlacementCase{"Empty", 0, 0, {142, 248, 0, 0}, {142, 248, 0, 0}}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });

TEST(PlacePicture, UsesEachAxisResolution) {
    // A printer of 600 x 300 dpi and a screen of 96 x 48 dpi.
    const PicturePlacement placement =
        PlacePicture(kBox, 96, 48, DeviceMetrics{600, 300, 0, 0}, 96, 48);
    EXPECT_EQ(placement.picture.width, 600);
    EXPECT_EQ(placement.picture.height, 300);
}

TEST(Intersect, DisjointRectanglesGiveNothing) {
    EXPECT_TRUE(Intersect({0, 0, 10, 10}, {10, 0, 5, 5}).IsEmpty());
    EXPECT_EQ(Intersect({0, 0, 10, 10}, {5, 5, 10, 10}), (DeviceRect{5, 5, 5, 5}));
}

TEST(CaptionLines, LineFeedsDropCarriageReturnsBreak) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(CaptionLines(""), Lines{""});
    EXPECT_EQ(CaptionLines("Cím\nfolytatva"), Lines{"Címfolytatva"});
    EXPECT_EQ(CaptionLines("egy\r\nkettő"), (Lines{"egy", "kettő"}));
    EXPECT_EQ(CaptionLines("a\rb\r"), (Lines{"a", "b", ""}));
    // Bytes above 0x7F (code page 1250 letters) pass unchanged.
    EXPECT_EQ(CaptionLines("\xF5\xFB\n"), Lines{"\xF5\xFB"});
}

} // namespace

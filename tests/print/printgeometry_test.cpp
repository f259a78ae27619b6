// Millimetres to device pixels, screen pixels to printer pixels, the picture's cut, the caption.

#include "print/captionlines.h"
#include "print/printgeometry.h"

#include <gtest/gtest.h>
#include <ostream>

namespace printgeometry {
void PrintTo(const DeviceRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << "}";
}
} // namespace printgeometry

namespace {
using namespace printgeometry;

struct Case {
    const char* name;
    double in;
    int dpi;
    int other; // the origin's offset, or the screen's dpi
    int expected;
};
std::string Name(const testing::TestParamInfo<Case>& test) {
    return test.param.name;
}

class PaperToDevice : public testing::TestWithParam<Case> {};
TEST_P(PaperToDevice, MeasuresFromThePaperEdge) {
    const Case& c = GetParam();
    const DeviceMetrics device{c.dpi, c.dpi, c.other, c.other};
    EXPECT_EQ(PaperXToDevice(c.in, device), c.expected);
    EXPECT_EQ(PaperYToDevice(c.in, device), c.expected);
}
INSTANTIATE_TEST_SUITE_P(Cases, PaperToDevice,
                         testing::Values(Case{"CaptionLeftAt1200", 142.33, 1200, 0, 672},
                                         Case{"PictureTopAt600", 248.17, 600, 0, 586},
                                         Case{"TenthIsOnePixelAt254", 248.17, 254, 0, 248},
                                         // 100 px of unprintable margin move everything back.
                                         Case{"UnprintableMargin", 142.33, 600, 100, 236},
                                         Case{"HalfPixelRoundsUp", 12.7, 10, 0, 1}),
                         Name);

class ScreenToDevice : public testing::TestWithParam<Case> {};
TEST_P(ScreenToDevice, KeepsThePhysicalSize) {
    const Case& c = GetParam();
    EXPECT_EQ(ScreenToDevicePixels(int(c.in), c.dpi, c.other), c.expected);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, ScreenToDevice,
    // 529 x 450 at 96 dpi are 139.96 x 119.06 mm; 6612.5 printer pixels round up.
    testing::Values(Case{"Width529At1200", 529, 1200, 96, 6613},
                    Case{"Height450At1200", 450, 1200, 96, 5625},
                    Case{"LargeFontScreen", 529, 1200, 120, 5290},
                    Case{"NegativeHalfAwayFromZero", -1, 48, 96, -1},
                    Case{"NoScreenResolution", 529, 1200, 0, 0},
                    Case{"NoOverflow", 30000, 2400, 72, 1000000}),
    Name);

TEST(PaperRectToDevice, EdgesRoundOnTheirOwnAndFontsScale) {
    // The box's right edge 1922.93 is 9085 px at 1200 dpi: the width is 9085 - 672, not the
    // rounded width 8412, so the box ends where the layout says.
    EXPECT_EQ(PaperRectToDevice({142.33, 248.17, 1780.6, 1505.48}, {1200, 1200, 0, 0}),
              (DeviceRect{672, 1172, 8413, 7113}));
    // -20 px on the 96 dpi grid is 15 pt.
    EXPECT_EQ(FontPixelSize(-20, 1200), 250);
}

struct Placement {
    const char* name;
    int width, height;
    DeviceRect visible;
};
class PlacePictureInBox : public testing::TestWithParam<Placement> {};
TEST_P(PlacePictureInBox, UnscaledFromTheCornerCutAtTheBox) {
    // At 254 dpi (10 px a millimetre) the box is 142, 248, 1781 x 1506.
    const Placement& c = GetParam();
    const PicturePlacement placement = PlacePicture({142.33, 248.17, 1780.6, 1505.48}, c.width,
                                                    c.height, {254, 254, 0, 0}, 96, 96);
    EXPECT_EQ(placement.box, (DeviceRect{142, 248, 1781, 1506}));
    EXPECT_EQ(placement.visible, c.visible);
    EXPECT_EQ(placement.picture.width, ScreenToDevicePixels(c.width, 254, 96));
}
INSTANTIATE_TEST_SUITE_P(Cases, PlacePictureInBox,
                         testing::Values(Placement{"Smaller", 529, 450, {142, 248, 1400, 1191}},
                                         Placement{"Wider", 800, 100, {142, 248, 1781, 265}},
                                         Placement{"Taller", 100, 700, {142, 248, 265, 1506}},
                                         Placement{"Huge", 4000, 3000, {142, 248, 1781, 1506}},
                                         Placement{"Empty", 0, 0, {142, 248, 0, 0}}),
                         [](const testing::TestParamInfo<Placement>& test) {
                             return test.param.name;
                         });

TEST(CaptionLines, LineFeedsDropCarriageReturnsBreak) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(CaptionLines(""), Lines{""});
    EXPECT_EQ(CaptionLines("C\xEDm\nfolytatva"), Lines{"C\xEDmfolytatva"});
    EXPECT_EQ(CaptionLines("egy\r\nkett\xF5\r"), (Lines{"egy", "kett\xF5", ""}));
}

} // namespace

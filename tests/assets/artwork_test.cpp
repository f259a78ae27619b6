// The backgrounds as the windows show them: the palette on the flat areas, faces whose flat
// colour lies under their click areas, outlines on the edges that stay visible, and lettering
// that fills its area and stays inside it.

#include "tests/assets/assetfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

namespace {

struct Rect {
    int left, top, right, bottom; // right and bottom exclusive
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    Rect Grown(int by) const { return {left - by, top - by, right + by, bottom + by}; }
};

const Rgb Ground{231, 197, 150};
const Rgb Panel{235, 218, 194};
const Rgb Page{235, 218, 195};
const Rgb AboutPage{240, 224, 199};
const Rgb MainFace{203, 174, 134};
const Rgb SmallFace{217, 183, 136};
const Rgb Outline{192, 164, 125};
const Rgb Lettering{131, 81, 3};
const Rgb MainButtonLettering{118, 91, 57};
const Rgb Triangle{158, 146, 131};
const Rgb White{255, 255, 255};

// Every pixel of `area` outside `holes` has `colour`; reports how many do not, and the first.
::testing::AssertionResult IsFlat(const BmpFile& bmp, Rect area, Rgb colour,
                                  std::initializer_list<Rect> holes = {}) {
    int wrong = 0, firstX = -1, firstY = -1;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            if (std::any_of(holes.begin(), holes.end(),
                            [&](const Rect& hole) { return hole.Contains(x, y); }))
                continue;
            if (!(bmp.At(x, y) == colour) && wrong++ == 0) {
                firstX = x;
                firstY = y;
            }
        }
    if (wrong == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << wrong << " pixels are not " << ToString(colour) << ", first at " << firstX << ", "
           << firstY << ": " << ToString(bmp.At(firstX, firstY));
}

// The band `width` pixels wide just inside the edge of a face is its flat colour: the
// lettering keeps clear of it, so the whole face reads as one surface under its click area.
::testing::AssertionResult FaceEdgeIsFlat(const BmpFile& bmp, Rect face, Rgb colour,
                                          int width = 2) {
    const Rect inner{face.left + width, face.top + width, face.right - width, face.bottom - width};
    return IsFlat(bmp, face, colour, {inner});
}

struct Ink {
    int count = 0;
    Rect box{1 << 20, 1 << 20, -1, -1};
    int closestToLettering = 255;
};

// Pixels of `area` that differ clearly from the ground they are painted on.
Ink FindInk(const BmpFile& bmp, Rect area, Rgb ground, Rgb lettering) {
    Ink ink;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const Rgb pixel = bmp.At(x, y);
            if (Distance(pixel, ground) <= 12)
                continue;
            ++ink.count;
            ink.box = {std::min(ink.box.left, x), std::min(ink.box.top, y),
                       std::max(ink.box.right, x + 1), std::max(ink.box.bottom, y + 1)};
            ink.closestToLettering = std::min(ink.closestToLettering, Distance(pixel, lettering));
        }
    return ink;
}

struct LetteringCase {
    const char* what;
    const char* background;
    Rect area;
    Rgb ground;
    Rgb colour;
};

const LetteringCase LetteringCases[] = {
    {"description link", "TForm1_CoolForm1", {602, 380, 751, 397}, Ground, Lettering},
    {"first radio caption", "TForm1_CoolForm1", {598, 464, 792, 480}, Ground, Lettering},
    {"second radio caption", "TForm1_CoolForm1", {598, 491, 775, 507}, Ground, Lettering},
    {"owner logo", "TForm1_CoolForm1", {633, 527, 726, 632}, Ground, Lettering},
    {"no hits message", "TForm2_CoolForm1", {50, 38, 285, 55}, Page, Lettering},
    {"print question", "TForm5_CoolForm1", {66, 38, 272, 55}, Page, Lettering},
    {"splash title", "TForm6_CoolForm1", {66, 65, 558, 89}, Panel, {92, 54, 18}},
    {"splash credit", "TForm6_CoolForm1", {117, 557, 495, 611}, Panel, {92, 54, 18}},
    {"splash logo", "TForm6_CoolForm1", {664, 500, 767, 617}, Ground, Lettering},
    {"about credits", "TForm7_CoolForm1", {59, 47, 607, 332}, AboutPage, {64, 42, 20}},
    {"about notice", "TForm7_CoolForm1", {72, 364, 601, 408}, AboutPage, {64, 42, 20}},
};

void PrintTo(const LetteringCase& c, std::ostream* out) {
    *out << c.what;
}

class LetteringArea : public testing::TestWithParam<LetteringCase> {};

TEST_P(LetteringArea, InkStaysInsideAndFillsTheWholeArea) {
    const LetteringCase& c = GetParam();
    const BmpFile bmp = Background(c.background);
    ASSERT_TRUE(bmp.valid);
    // Nothing painted in a band around the area.
    const Rect ring = c.area.Grown(4);
    EXPECT_TRUE(IsFlat(bmp, ring, c.ground, {c.area})) << "ink outside the lettering area";

    const Ink ink = FindInk(bmp, c.area, c.ground, c.colour);
    ASSERT_GT(ink.count, 20) << "no lettering";
    // Antialiasing may leave the outermost pixel of a side too faint to count.
    EXPECT_LE(ink.box.left - c.area.left, 1) << "columns to spare on the left";
    EXPECT_LE(c.area.right - ink.box.right, 1) << "columns to spare on the right";
    EXPECT_LE(ink.box.top - c.area.top, 1) << "rows to spare at the top";
    EXPECT_LE(c.area.bottom - ink.box.bottom, 1) << "rows to spare at the bottom";
    EXPECT_LE(ink.closestToLettering, 10) << "the lettering colour does not appear";
}

INSTANTIATE_TEST_SUITE_P(Assets, LetteringArea, testing::ValuesIn(LetteringCases),
                         [](const testing::TestParamInfo<LetteringCase>& test) {
                             std::string name = test.param.what;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

TEST(MainWindowArtwork, OutlineRunsAlongTheVisibleEdges) {
    const BmpFile bmp = Background("TForm1_CoolForm1");
    ASSERT_TRUE(bmp.valid);
    // The window region shows columns 1 to 798, so the outline must lie on them.
    EXPECT_TRUE(IsFlat(bmp, {1, 0, 2, 653}, MainFace));
    EXPECT_TRUE(IsFlat(bmp, {798, 0, 799, 653}, MainFace));
    EXPECT_TRUE(IsFlat(bmp, {1, 0, 799, 1}, MainFace));
    EXPECT_TRUE(IsFlat(bmp, {1, 652, 799, 653}, MainFace));
    for (auto [x, y] : {std::pair{5, 5}, {560, 55}, {795, 645}, {300, 484}, {560, 400}})
        EXPECT_EQ(bmp.At(x, y), Ground) << x << ", " << y;
}

TEST(MainWindowArtwork, PanelsAreFlatWhereTheControlsBlendIntoThem) {
    const BmpFile bmp = Background("TForm1_CoolForm1");
    ASSERT_TRUE(bmp.valid);
    // The title list and the search field paint 235, 218, 194 over these: no edge may show.
    EXPECT_TRUE(IsFlat(bmp, {568, 64, 785, 364}, Panel)) << "title list panel";
    EXPECT_TRUE(IsFlat(bmp, {569, 410, 722, 440}, Panel)) << "input field";
    EXPECT_TRUE(IsFlat(bmp, {13, 15, 552, 475}, Panel)) << "main picture panel";
    EXPECT_TRUE(IsFlat(bmp, {13, 490, 552, 637}, Panel, {{16, 547, 28, 578}, {537, 547, 549, 578}}))
        << "thumbnail strip outside its chevrons";
}

TEST(MainWindowArtwork, ButtonFacesHaveTheirFlatColour) {
    const BmpFile bmp = Background("TForm1_CoolForm1");
    ASSERT_TRUE(bmp.valid);
    EXPECT_TRUE(FaceEdgeIsFlat(bmp, {565, 18, 656, 46}, MainFace)) << "Mentés";
    EXPECT_TRUE(FaceEdgeIsFlat(bmp, {667, 18, 746, 46}, MainFace)) << "Nyomtat";
    EXPECT_TRUE(FaceEdgeIsFlat(bmp, {757, 18, 784, 46}, MainFace)) << "exit";
    EXPECT_TRUE(FaceEdgeIsFlat(bmp, {730, 412, 784, 439}, MainFace)) << "OK";
    // Each face carries its lettering in the main window's button colour.
    for (Rect face : {Rect{565, 18, 656, 46}, Rect{667, 18, 746, 46}, Rect{757, 18, 784, 46},
                      Rect{730, 412, 784, 439}}) {
        const Ink ink = FindInk(bmp, face, MainFace, MainButtonLettering);
        EXPECT_GT(ink.count, 20);
        EXPECT_LE(ink.closestToLettering, 12);
    }
}

TEST(MainWindowArtwork, ChevronsAndRadioButtonsAreWhereTheirControlsLie) {
    const BmpFile bmp = Background("TForm1_CoolForm1");
    ASSERT_TRUE(bmp.valid);
    for (Rect box : {Rect{16, 547, 28, 578}, Rect{537, 547, 549, 578}}) {
        const Ink ink = FindInk(bmp, box, Panel, {252, 236, 150});
        EXPECT_GT(ink.count, 40) << "chevron at " << box.left;
        EXPECT_TRUE(IsFlat(bmp, box.Grown(2), Panel, {box})) << "chevron spills at " << box.left;
    }
    // The left chevron points left: its tip is in the left half at mid-height.
    EXPECT_GT(Distance(bmp.At(18, 562), Panel), 12);
    EXPECT_LE(Distance(bmp.At(18, 549), Panel), 12);
    EXPECT_GT(Distance(bmp.At(546, 562), Panel), 12);

    // First radio drawn selected (a dark dot), the second empty.
    const Rgb selected = bmp.At(579, 471), empty = bmp.At(579, 498);
    EXPECT_LT(selected.r + selected.g + selected.b, 400) << ToString(selected);
    EXPECT_GT(empty.r + empty.g + empty.b, 600) << ToString(empty);
    // The painted rings stay inside the radio controls' 24 x 24 squares.
    EXPECT_TRUE(
        IsFlat(bmp, {566, 456, 596, 514}, Ground, {{569, 459, 593, 483}, {569, 487, 593, 511}}));
}

struct SmallWindow {
    const char* name;
    int width, height;
    Rect page;
    Rgb pageColour;
    std::initializer_list<Rect> faces;
    std::initializer_list<Rect> otherMarks; // lettering and triangles on the page
};

const SmallWindow SmallWindows[] = {
    {"TForm2_CoolForm1",
     340,
     120,
     {13, 14, 327, 105},
     Page,
     {{147, 72, 192, 90}},
     {{50, 38, 285, 55}}},
    {"TForm5_CoolForm1",
     340,
     120,
     {13, 14, 327, 105},
     Page,
     {{106, 72, 151, 90}, {183, 72, 228, 90}},
     {{66, 38, 272, 55}}},
    {"TForm3_CoolForm1", 750, 520, {13, 14, 737, 504}, Page, {{365, 475, 410, 493}}, {}},
    {"TForm8_CoolForm1",
     750,
     520,
     {12, 13, 737, 505},
     Page,
     {{352, 473, 397, 491}},
     {{323, 475, 333, 490}, {416, 475, 427, 490}}},
    {"TForm7_CoolForm1",
     698,
     480,
     {12, 14, 686, 464},
     AboutPage,
     {{316, 435, 361, 453}},
     {{59, 47, 607, 332}, {72, 364, 601, 408}}},
};

class SmallWindowArtwork : public testing::TestWithParam<SmallWindow> {};

TEST_P(SmallWindowArtwork, PageIsFlatAroundItsFacesAndLettering) {
    const SmallWindow& w = GetParam();
    const BmpFile bmp = Background(w.name);
    ASSERT_TRUE(bmp.valid);
    ASSERT_EQ(bmp.width, w.width);
    ASSERT_EQ(bmp.height, w.height);
    int checked = 0;
    for (int y = w.page.top; y < w.page.bottom; ++y)
        for (int x = w.page.left; x < w.page.right; ++x) {
            // A face's bevel reaches 1 pixel beside it, 2 above and 3 below.
            auto inFace = [&](const Rect& f) {
                return Rect{f.left - 1, f.top - 2, f.right + 1, f.bottom + 3}.Contains(x, y);
            };
            auto inMark = [&](const Rect& m) { return m.Contains(x, y); };
            if (std::any_of(w.faces.begin(), w.faces.end(), inFace) ||
                std::any_of(w.otherMarks.begin(), w.otherMarks.end(), inMark))
                continue;
            ASSERT_EQ(bmp.At(x, y), w.pageColour) << x << ", " << y;
            ++checked;
        }
    EXPECT_GT(checked, 1000);
}

TEST_P(SmallWindowArtwork, FacesHaveTheSmallFaceColourAndBlackLettering) {
    const SmallWindow& w = GetParam();
    const BmpFile bmp = Background(w.name);
    ASSERT_TRUE(bmp.valid);
    for (const Rect& face : w.faces) {
        EXPECT_TRUE(FaceEdgeIsFlat(bmp, face, SmallFace)) << "face at " << face.left;
        const Ink ink = FindInk(bmp, face, SmallFace, {0, 0, 0});
        EXPECT_GT(ink.count, 15) << "face at " << face.left << " has no lettering";
        EXPECT_LE(ink.closestToLettering, 20) << "face at " << face.left << " is not black";
    }
}

INSTANTIATE_TEST_SUITE_P(Assets, SmallWindowArtwork, testing::ValuesIn(SmallWindows),
                         [](const testing::TestParamInfo<SmallWindow>& test) {
                             return std::string(test.param.name);
                         });

TEST(SmallWindowEdges, OutlineWhereTheWindowShowsIt) {
    for (const char* name : {"TForm2_CoolForm1", "TForm3_CoolForm1", "TForm5_CoolForm1"}) {
        const BmpFile bmp = Background(name);
        ASSERT_TRUE(bmp.valid);
        const int w = bmp.width, h = bmp.height;
        EXPECT_TRUE(IsFlat(bmp, {1, 0, 2, h}, Outline)) << name;
        EXPECT_TRUE(IsFlat(bmp, {w - 2, 0, w - 1, h}, Outline)) << name;
        EXPECT_TRUE(IsFlat(bmp, {1, 0, w - 1, 1}, Outline)) << name;
        EXPECT_TRUE(IsFlat(bmp, {1, h - 1, w - 1, h}, Outline)) << name;
        EXPECT_EQ(bmp.At(5, h / 2), Ground) << name;
    }
}

TEST(SmallWindowEdges, AboutWindowHasItsOutlineOnTopAndBottomOnly) {
    const BmpFile bmp = Background("TForm7_CoolForm1");
    ASSERT_TRUE(bmp.valid);
    EXPECT_TRUE(IsFlat(bmp, {0, 0, 698, 1}, Outline));
    EXPECT_TRUE(IsFlat(bmp, {0, 479, 698, 480}, Outline));
    EXPECT_TRUE(IsFlat(bmp, {0, 1, 12, 479}, Ground)) << "left frame, no side outline";
    EXPECT_TRUE(IsFlat(bmp, {686, 1, 698, 479}, Ground)) << "right frame, no side outline";
}

TEST(SmallWindowEdges, IntroductionHasAWhiteLastColumnAndGreyTriangles) {
    const BmpFile bmp = Background("TForm8_CoolForm1");
    ASSERT_TRUE(bmp.valid);
    EXPECT_TRUE(IsFlat(bmp, {749, 0, 750, 520}, White));
    EXPECT_TRUE(IsFlat(bmp, {1, 0, 2, 520}, Outline)) << "the first visible column";
    EXPECT_TRUE(IsFlat(bmp, {748, 0, 749, 520}, Outline)) << "the last visible column";
    // Solid in the middle, pointing outwards: the left one's tip at its left edge.
    EXPECT_EQ(bmp.At(329, 482), Triangle);
    EXPECT_EQ(bmp.At(420, 482), Triangle);
    EXPECT_GT(Distance(bmp.At(325, 482), Page), 40) << "left triangle's tip";
    EXPECT_EQ(bmp.At(325, 477), Page) << "left triangle is narrow at the top left";
    EXPECT_GT(Distance(bmp.At(424, 482), Page), 40) << "right triangle's tip";
    EXPECT_TRUE(IsFlat(bmp, {320, 472, 336, 493}, Page, {{324, 476, 332, 489}}));
    EXPECT_TRUE(IsFlat(bmp, {413, 472, 430, 493}, Page, {{417, 476, 426, 489}}));
}

TEST(SplashArtwork, PageBandPhotographAndNoOutline) {
    const BmpFile bmp = Background("TForm6_CoolForm1");
    ASSERT_TRUE(bmp.valid);
    EXPECT_TRUE(IsFlat(bmp, {0, 0, 625, 50}, Panel)) << "the page above the title";
    EXPECT_TRUE(IsFlat(bmp, {0, 0, 60, 653}, Panel)) << "left edge, no outline";
    EXPECT_TRUE(IsFlat(bmp, {625, 0, 800, 490}, Ground)) << "the band above the logo";
    EXPECT_TRUE(IsFlat(bmp, {625, 620, 800, 653}, Ground)) << "the band below the logo";
    // The photograph covers its rectangle and is no flat colour.
    const Ink photo = FindInk(bmp, {67, 161, 553, 484}, Panel, {0, 0, 0});
    EXPECT_GT(photo.count, 486 * 323 * 9 / 10);
    EXPECT_EQ(photo.box.left, 67);
    EXPECT_EQ(photo.box.top, 161);
    EXPECT_EQ(photo.box.right, 553);
    EXPECT_EQ(photo.box.bottom, 484);
    // Its shadow stays within the click area that lies over it (64, 160, 489 x 329).
    EXPECT_TRUE(IsFlat(bmp, {58, 150, 560, 495}, Panel, {{64, 160, 553, 489}}));
}

} // namespace

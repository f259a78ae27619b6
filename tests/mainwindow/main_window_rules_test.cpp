// The toolkit-free rules of the main window: the thumbnail fit, the search's text test and the
// name rules of saving a copy, and where a locked-down save may go.

#include "mainwindow/savefolders.h"
#include "mainwindow/savenames.h"
#include "mainwindow/textcontains.h"
#include "mainwindow/thumbnailfit.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <unistd.h>

struct FitCase {
    int pictureWidth, pictureHeight;
    int slotWidth, slotHeight;
    int offsetLeft, offsetTop;
};

std::ostream& operator<<(std::ostream& out, const FitCase& c) {
    return out << c.pictureWidth << "x" << c.pictureHeight << " -> " << c.slotWidth << "x"
               << c.slotHeight << " at +" << c.offsetLeft << ",+" << c.offsetTop;
}

class ThumbnailFitTable : public testing::TestWithParam<FitCase> {};

TEST_P(ThumbnailFitTable, GivesTheSlotSizeAndOffset) {
    const FitCase c = GetParam();
    const ThumbnailPlacement placed =
        FitThumbnail(c.pictureWidth, c.pictureHeight, {289, 508, 112, 112});
    EXPECT_EQ(placed.width, c.slotWidth);
    EXPECT_EQ(placed.height, c.slotHeight);
    EXPECT_EQ(placed.left, 289 + c.offsetLeft);
    EXPECT_EQ(placed.top, 508 + c.offsetTop);
}

// The worked results, including the three where plain doubles lose the last pixel.
INSTANTIATE_TEST_SUITE_P(
    WorkedResults, ThumbnailFitTable,
    testing::Values(FitCase{200, 150, 112, 84, 0, 14}, FitCase{640, 480, 112, 84, 0, 14},
                    FitCase{600, 800, 84, 112, 14, 0}, FitCase{190, 190, 112, 112, 0, 0},
                    FitCase{130, 140, 104, 112, 4, 0}, FitCase{475, 560, 94, 112, 9, 0},
                    FitCase{113, 112, 112, 111, 0, 0}, FitCase{100, 50, 100, 50, 6, 31},
                    FitCase{0, 0, 0, 0, 56, 56}, FitCase{4000, 3000, 112, 84, 0, 14}));

TEST(TextContains, FoldsAsciiLettersOnly) {
    EXPECT_TRUE(TextContains("Kassa, AB utca", "ab"));
    EXPECT_TRUE(TextContains("abc", "ABC"));
    // \xE1 is á, \xC1 is Á in code page 1250: compared exactly.
    EXPECT_FALSE(TextContains("\xC1rp\xE1"
                              "d",
                              "\xE1rp"));
    EXPECT_TRUE(TextContains("\xC1rp\xE1"
                             "d",
                             "\xC1RP"));
    EXPECT_FALSE(TextContains("ab", "abc"));
    EXPECT_TRUE(TextContains("xyab", "ab")); // a match at the very end
}

TEST(TextContains, EmptyNeedleMatchesEverything) {
    EXPECT_TRUE(TextContains("", ""));
    EXPECT_TRUE(TextContains("anything", ""));
    EXPECT_FALSE(TextContains("", "a"));
}

TEST(SaveNames, FilterListsTheFormatsFromTheLastRegistered) {
    const std::vector<PictureFormatEntry> formats = {{"wmf", "Metafiles"},
                                                     {"emf", "Enhanced Metafiles"},
                                                     {"ico", "Icons"},
                                                     {"bmp", "Bitmaps"},
                                                     {"jpeg", "JPEG Image File"},
                                                     {"jpg", "JPEG Image File"},
                                                     {"", ""}};
    EXPECT_EQ(BuildPictureFilter(formats),
              "All (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf|"
              "JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|"
              "Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico|"
              "Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf");
    EXPECT_EQ(BuildPictureFilter({{"bmp", "Bitmaps"}, {"", ""}}), "Bitmaps (*.bmp)|*.bmp");
}

TEST(SaveNames, TargetPathIsLowerCasedWithJpgAppendedUnlessPresent) {
    EXPECT_EQ(SaveTargetPath("/tmp/Kep.JPG"), "/tmp/kep.jpg");
    EXPECT_EQ(SaveTargetPath("/tmp/copy.jpeg"), "/tmp/copy.jpeg.jpg");
    EXPECT_EQ(SaveTargetPath("/tmp/picture.bmp"), "/tmp/picture.bmp.jpg");
    EXPECT_EQ(SaveTargetPath("/Media/x.jpg/Copy"), "/media/x.jpg/copy");
    // Accented capitals (\xC9 = É) keep their case; only A to Z are lowered.
    EXPECT_EQ(SaveTargetPath("/tmp/\xC9KES"), "/tmp/\xC9kes.jpg");
}

TEST(SaveNames, ProposedNameIsTheBareFileName) {
    EXPECT_EQ(ProposedFileName("/images/abc.jpg"), "abc.jpg");
    EXPECT_EQ(ProposedFileName(""), "");
}

TEST(LockedDownSave, StaysInsideTheFoldersWhateverLinksAndDotsSay) {
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("vendral-save-" + std::to_string(getpid()));
    std::filesystem::create_directories(root / "usb" / "sub");
    std::filesystem::create_directories(root / "home");
    std::filesystem::create_directory_symlink(root / "home", root / "usb" / "away");
    const std::vector<std::string> folders = {(root / "usb").string()};
    auto check = [&](const std::string& below) {
        return CheckLockedTarget(NormalisedPath((root / "usb").string() + "/" + below), folders);
    };
    EXPECT_EQ(check("sub/kep.jpg"), SaveRefusal::None);
    EXPECT_EQ(check("sub/../kep.jpg"), SaveRefusal::None);
    EXPECT_EQ(check("../home/kep.jpg"), SaveRefusal::OutsideFolders);
    EXPECT_EQ(check("away/kep.jpg"), SaveRefusal::OutsideFolders);
    EXPECT_EQ(check(".profile.jpg"), SaveRefusal::Hidden);
    EXPECT_EQ(check("missing/kep.jpg"), SaveRefusal::OutsideFolders);
    // A name taken gets the next free number before its extension.
    std::ofstream(root / "usb" / "kep.jpg") << "x";
    std::ofstream(root / "usb" / "kep-2.jpg") << "x";
    EXPECT_EQ(FreeTargetName((root / "usb" / "kep.jpg").string()),
              (root / "usb" / "kep-3.jpg").string());
    std::filesystem::remove_all(root);
}

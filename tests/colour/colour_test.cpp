// Decoding pictures whose profiles need care: a large one, shared with the decode pool row by
// row, one printed while the screen has a profile of its own, and profiles that cannot be used. The
// colours in the windows and on paper are tested with the windows (tests/mainwindow, tests/print).

#include "colour/colour.h"
#include "pictures/pictures.h"
#include "tests/colour/taggedpictures.h"

#include <gtest/gtest.h>

namespace {

QImage Shown(const std::vector<std::uint8_t>& jpeg) {
    TJPEGImage picture;
    picture.LoadFromBytes(jpeg);
    return picture.ToImage();
}

TEST(Colour, ALargePictureIsConvertedToItsLastRow) {
    // Large enough that a free decode worker shares the converting.
    constexpr int Wide = 2000, High = 1200, Band = 40;
    const std::vector<std::uint8_t> large = PhotoPixels(Wide, High);
    const QImage expected = Shown(SrgbJpeg(large, Wide, High));
    const QImage shown = Shown(TaggedJpeg(large, Wide, High, ReadProfile(ProPhotoProfile)));
    for (int y = 0; y < High; y += Band)
        ASSERT_LE(MeanDifference(shown.copy(0, y, Wide, Band), expected.copy(0, y, Wide, Band)), 3)
            << "rows from " << y;
}

TEST(Colour, PaperOnAWideGamutScreenDecodesOnlyWhatPrints) {
    constexpr int Wide = 1600, High = 1200;
    const QRect printed(200, 100, 500, 400);
    const std::vector<std::uint8_t> source = PhotoPixels(Wide, High);
    TJPEGImage picture;
    picture.LoadFromBytes(TaggedJpeg(source, Wide, High, ReadProfile(ProPhotoProfile)));
    picture.PrepareDrawing({Wide, High}, printed);
    ASSERT_TRUE(SetScreenProfile(ReadProfile(AdobeRgbProfile)));
    const QImage paper = picture.SrgbImage();
    SetScreenProfile({});
    EXPECT_EQ(paper.size(), printed.size());
    EXPECT_EQ(picture.ImageOffset(), printed.topLeft());
    EXPECT_LE(MeanDifference(paper, RgbImage(source, Wide, High).copy(printed)), 3);
}

TEST(Colour, ProfilesThatCannotBeUsedLeaveThePictureUntagged) {
    const std::vector<std::uint8_t> untagged = SrgbJpeg(PhotoPixels(96, 64), 96, 64);
    std::vector<std::uint8_t> truncated = EmbedIccProfile(untagged, ReadProfile(AdobeRgbProfile));
    truncated[2 + 4 + 12 + 1] = 2; // the only chunk claims a second one
    const auto garbage = EmbedIccProfile(untagged, std::vector<std::uint8_t>(3000, 0x5A));
    const auto wrongKind = EmbedIccProfile(untagged, ReadProfile(PressCmykProfile));
    for (const auto& file : {truncated, garbage, wrongKind})
        EXPECT_EQ(Shown(file), Shown(untagged));

    const auto label = [](const std::vector<std::uint8_t>& file) {
        return JpegColourLabel(ReadJpegColourFacts(file.data(), file.size()));
    };
    EXPECT_EQ(label(truncated), "untagged");
    EXPECT_EQ(label(garbage), "profile not usable");
    EXPECT_EQ(label(wrongKind), "profile not usable");
    // colord names its profile so.
    EXPECT_EQ(label(EmbedIccProfile(untagged, ReadProfile(AdobeRgbProfile))),
              "Compatible with Adobe RGB (1998)");
    EXPECT_EQ(label(EmbedIccProfile(untagged, ReadProfile(SrgbProfile))), "sRGB");
}

TEST(Colour, EachProfileIsMadeIntoAConverterOnce) {
    const std::vector<std::uint8_t> icc = ReadProfile(ProPhotoProfile);
    const PictureColour first = ColourFor(icc, PixelLayout::Rgb, OutputSpace::Screen);
    const int cached = CachedConverters();
    const PictureColour again = ColourFor(icc, PixelLayout::Rgb, OutputSpace::Srgb);
    ASSERT_NE(first.converter, nullptr);
    EXPECT_EQ(first.converter, again.converter); // an sRGB screen and paper share it
    EXPECT_EQ(CachedConverters(), cached);
}

} // namespace

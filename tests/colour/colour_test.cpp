// Tagged pictures decoded by the picture class, against the sRGB source they were made from.

#include "colour/colour.h"
#include "pictures/pictures.h"
#include "tests/colour/taggedpictures.h"

#include <gtest/gtest.h>

namespace {

constexpr int Width = 96, Height = 64;

QImage Shown(const std::vector<std::uint8_t>& jpeg) {
    TJPEGImage picture;
    picture.LoadFromBytes(jpeg);
    return picture.ToImage();
}

class ColourTest : public testing::Test {
protected:
    void TearDown() override { SetScreenProfile({}); }

    const std::vector<std::uint8_t> source = PhotoPixels(Width, Height);
    const QImage original = Shown(SrgbJpeg(source, Width, Height));
};

TEST_F(ColourTest, TaggedPicturesShowTheColoursOfTheirSource) {
    struct Case {
        std::string profile;
        double limit;
    };
    for (const Case& tagged :
         {Case{AdobeRgbProfile, 3}, Case{ProPhotoProfile, 3}, Case{PressCmykProfile, 8}}) {
        SCOPED_TRACE(tagged.profile);
        const std::vector<std::uint8_t> icc = ReadProfile(tagged.profile);
        EXPECT_LE(MeanDifference(Shown(TaggedJpeg(source, Width, Height, icc)), original),
                  tagged.limit);
    }
    // Shown as if they were sRGB, the Adobe RGB numbers would be visibly off.
    const std::vector<std::uint8_t> adobe = ConvertedPixels(source, ReadProfile(AdobeRgbProfile));
    EXPECT_GT(MeanDifference(RgbImage(adobe, Width, Height), original), 6);
}

TEST_F(ColourTest, ALargePictureIsConvertedToItsLastRow) {
    // Large enough that a free decode worker shares the converting.
    constexpr int Wide = 2000, High = 1200, Band = 40;
    const std::vector<std::uint8_t> large = PhotoPixels(Wide, High);
    const QImage expected = Shown(SrgbJpeg(large, Wide, High));
    const QImage shown = Shown(TaggedJpeg(large, Wide, High, ReadProfile(ProPhotoProfile)));
    for (int y = 0; y < High; y += Band)
        ASSERT_LE(MeanDifference(shown.copy(0, y, Wide, Band), expected.copy(0, y, Wide, Band)), 3)
            << "rows from " << y;
}

TEST_F(ColourTest, AScreenProfileConvertsWhatIsShownButNotWhatIsPrinted) {
    // A wide-gamut monitor profiled as Adobe RGB.
    const std::vector<std::uint8_t> screen = ReadProfile(AdobeRgbProfile);
    ASSERT_TRUE(SetScreenProfile(screen));
    const QImage onScreen = RgbImage(ConvertedPixels(source, screen), Width, Height);
    EXPECT_LE(MeanDifference(Shown(SrgbJpeg(source, Width, Height)), onScreen), 3);

    TJPEGImage tagged;
    tagged.LoadFromBytes(TaggedJpeg(source, Width, Height, ReadProfile(ProPhotoProfile)));
    EXPECT_LE(MeanDifference(tagged.ToImage(), onScreen), 3);
    EXPECT_LE(MeanDifference(tagged.SrgbImage(), original), 3);

    // A screen that announces plain sRGB needs nothing converted.
    EXPECT_FALSE(SetScreenProfile(ReadProfile("/usr/share/color/icc/colord/sRGB.icc")));
    EXPECT_TRUE(ScreenIsSrgb());
}

TEST_F(ColourTest, ProfilesThatCannotBeUsedLeaveThePictureUntagged) {
    const std::vector<std::uint8_t> untagged = SrgbJpeg(source, Width, Height);
    const QImage plain = Shown(untagged);

    std::vector<std::uint8_t> truncated = EmbedIccProfile(untagged, ReadProfile(AdobeRgbProfile));
    truncated[2 + 4 + 12 + 1] = 2; // the only chunk claims a second one
    const std::vector<std::uint8_t> garbage(3000, 0x5A);
    const std::vector<std::uint8_t> wrongKind = ReadProfile(PressCmykProfile);
    for (const auto& file :
         {truncated, EmbedIccProfile(untagged, garbage), EmbedIccProfile(untagged, wrongKind)})
        EXPECT_EQ(Shown(file), plain);

    const auto label = [](const std::vector<std::uint8_t>& file) {
        return JpegColourLabel(ReadJpegColourFacts(file.data(), file.size()));
    };
    EXPECT_EQ(label(truncated), "untagged");
    EXPECT_EQ(label(EmbedIccProfile(untagged, garbage)), "profile not usable");
    EXPECT_EQ(label(EmbedIccProfile(untagged, wrongKind)), "profile not usable");
    // colord names its profile so.
    EXPECT_EQ(label(EmbedIccProfile(untagged, ReadProfile(AdobeRgbProfile))),
              "Compatible with Adobe RGB (1998)");
    EXPECT_EQ(label(EmbedIccProfile(untagged, ReadProfile("/usr/share/color/icc/colord/sRGB.icc"))),
              "sRGB");
}

TEST_F(ColourTest, EachProfileIsMadeIntoAConverterOnce) {
    const std::vector<std::uint8_t> icc = ReadProfile(ProPhotoProfile);
    const PictureColour first = ColourFor(icc, PixelLayout::Rgb, OutputSpace::Screen);
    const int cached = CachedConverters();
    const PictureColour again = ColourFor(icc, PixelLayout::Rgb, OutputSpace::Srgb);
    ASSERT_NE(first.converter, nullptr);
    EXPECT_EQ(first.converter, again.converter); // an sRGB screen and paper share it
    EXPECT_EQ(CachedConverters(), cached);
}

} // namespace

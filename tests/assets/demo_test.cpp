// The demo catalogue loads as the viewer loads it, every picture it names is a JPEG that the
// viewer can show, and the six face files have their controls' sizes and looks.

#include "catalogue/catalogue.h"
#include "tests/assets/assetfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>

namespace {

const Rgb TanGround{231, 197, 150};

std::unique_ptr<Catalogue> LoadDemo() {
    auto catalogue = std::make_unique<Catalogue>();
    LoadCatalogueFile(*catalogue, DemoDir() + "/datas.dat");
    return catalogue;
}

TEST(DemoCatalogue, IsCodePage1250WithCrLfLineEnds) {
    const Bytes text = ReadFileBytes(DemoDir() + "/datas.dat");
    ASSERT_FALSE(text.empty());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "lone CR at byte " << i;
        }
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "lone LF at byte " << i;
        }
        // A UTF-8 lead byte of a two-byte letter followed by a continuation byte would mean
        // the text was written without conversion.
        if (text[i] == 0xC3 || text[i] == 0xC5) {
            ASSERT_FALSE(i + 1 < text.size() && (text[i + 1] & 0xC0) == 0x80)
                << "UTF-8 sequence at byte " << i;
        }
    }
    const std::string all(text.begin(), text.end());
    EXPECT_NE(all.find("f\xF5olt\xE1r"), std::string::npos) << "\"főoltár\" in code page 1250";
    EXPECT_NE(all.find("1474\x96"
                       "1477"),
              std::string::npos)
        << "en dash as byte 0x96";
}

TEST(DemoCatalogue, LoadsEighteenEntriesWithTheRangeOfPictureCounts) {
    const auto catalogue = LoadDemo();
    ASSERT_EQ(catalogue->RecordCount, 18);
    std::set<int> counts;
    int withoutIndex = 0;
    for (int k = 1; k <= catalogue->RecordCount; ++k) {
        const CatalogueRecord& record = catalogue->Record(k);
        EXPECT_FALSE(record.Title.empty()) << k;
        EXPECT_FALSE(record.Line2.empty()) << k;
        EXPECT_FALSE(record.Line3.empty()) << k;
        EXPECT_EQ(record.MainPicture, record.Picture(1)) << k;
        counts.insert(record.PictureCount);
        withoutIndex += record.IndexLineCount == 0;
    }
    for (int wanted : {1, 2, 4, 6, 12})
        EXPECT_TRUE(counts.count(wanted)) << "no entry with " << wanted << " pictures";
    EXPECT_GE(withoutIndex, 2) << "some entries have no index lines";
}

// Every main picture fits the 529 x 450 main picture area, so no entry opens overhanging the
// frame; exactly one picture in a later slot is kept larger, to show what the viewer does then.
TEST(DemoCatalogue, EveryPictureIsABaselineJpegAndOnlyOneLaterOneOverhangs) {
    const auto catalogue = LoadDemo();
    std::set<std::string> overhanging;
    std::uintmax_t total = 0;
    for (int k = 1; k <= catalogue->RecordCount; ++k) {
        const CatalogueRecord& record = catalogue->Record(k);
        for (int i = 1; i <= record.PictureCount; ++i) {
            const std::string path = DemoDir() + "/images/" + record.Picture(i);
            const Bytes bytes = ReadFileBytes(path);
            ASSERT_FALSE(bytes.empty()) << path;
            const JpegMarkers jpeg = ReadJpegMarkers(bytes);
            EXPECT_EQ(jpeg.frameMarker, 0xC0) << path;
            EXPECT_EQ(jpeg.components, 3) << path;
            if (jpeg.width <= 529 && jpeg.height <= 450)
                continue;
            EXPECT_GT(i, 1) << "entry " << k << " opens with " << path << ", " << jpeg.width
                            << " x " << jpeg.height;
            overhanging.insert(path);
        }
    }
    EXPECT_EQ(overhanging.size(), 1u) << "pictures larger than the frame";
    for (const auto& entry : std::filesystem::recursive_directory_iterator(DemoDir()))
        if (entry.is_regular_file())
            total += entry.file_size();
    EXPECT_LT(total, 30u * 1024 * 1024) << "the demo folder is too large";
}

struct Face {
    const char* file;
    int width, height;
};

class FaceFile : public testing::TestWithParam<Face> {};

TEST_P(FaceFile, IsAJpegOfItsControlsSize) {
    const Bytes bytes = ReadFileBytes(DemoDir() + "/" + GetParam().file);
    ASSERT_FALSE(bytes.empty());
    const JpegMarkers jpeg = ReadJpegMarkers(bytes);
    EXPECT_EQ(jpeg.frameMarker, 0xC0);
    EXPECT_EQ(jpeg.width, GetParam().width);
    EXPECT_EQ(jpeg.height, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Demo, FaceFile,
                         testing::Values(Face{"radioon.jpg", 24, 24}, Face{"radiooff.jpg", 24, 24},
                                         Face{"activearrowleft.jpg", 12, 31},
                                         Face{"inactivearrowleft.jpg", 12, 31},
                                         Face{"activearrowright.jpg", 12, 31},
                                         Face{"inactivearrowright.jpg", 12, 31}),
                         [](const testing::TestParamInfo<Face>& test) {
                             std::string name = test.param.file;
                             return name.substr(0, name.find('.'));
                         });

DecodedJpeg DemoFace(const char* file) {
    return DecodeJpeg(ReadFileBytes(DemoDir() + "/" + file));
}

// The mean colour of the pixels that stand out from the ground, the face's commonest colour.
Rgb MarkColour(const DecodedJpeg& face) {
    std::map<std::tuple<int, int, int>, int> tally;
    for (const Rgb& p : face.pixels)
        ++tally[{p.r, p.g, p.b}];
    const auto commonest =
        std::max_element(tally.begin(), tally.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    const auto [gr, gg, gb] = commonest->first;
    const Rgb ground{gr, gg, gb};
    long r = 0, g = 0, b = 0, n = 0;
    for (const Rgb& p : face.pixels)
        if (Distance(p, ground) > 30) {
            r += p.r, g += p.g, b += p.b, ++n;
        }
    return n ? Rgb{int(r / n), int(g / n), int(b / n)} : ground;
}

TEST(DemoFaces, ActiveArrowsArePaleYellowAndInactiveOnesGrey) {
    for (const char* file : {"activearrowleft.jpg", "activearrowright.jpg"}) {
        const Rgb mark = MarkColour(DemoFace(file));
        EXPECT_GT(mark.r, 180) << file << ToString(mark);
        EXPECT_GT(mark.r - mark.b, 30) << file << " is not yellow: " << ToString(mark);
    }
    for (const char* file : {"inactivearrowleft.jpg", "inactivearrowright.jpg"}) {
        const Rgb mark = MarkColour(DemoFace(file));
        EXPECT_LT(std::abs(mark.r - mark.b), 30) << file << " is not grey: " << ToString(mark);
    }
}

TEST(DemoFaces, RightArrowsMirrorTheLeftOnes) {
    for (auto [left, right] : {std::pair{"activearrowleft.jpg", "activearrowright.jpg"},
                               {"inactivearrowleft.jpg", "inactivearrowright.jpg"}}) {
        const DecodedJpeg l = DemoFace(left), r = DemoFace(right);
        ASSERT_TRUE(l.valid && r.valid);
        int worst = 0;
        for (int y = 0; y < 31; ++y)
            for (int x = 0; x < 12; ++x)
                worst = std::max(worst, Distance(l.At(x, y), r.At(11 - x, y)));
        EXPECT_LT(worst, 40) << left << " and " << right;
        // And the left one does point left: its tip is at the left edge, mid-height.
        EXPECT_GT(Distance(l.At(1, 15), l.At(1, 2)), 20) << left;
    }
}

TEST(DemoFaces, RadioFacesShowTheDotOnlyWhenSelected) {
    const DecodedJpeg on = DemoFace("radioon.jpg"), off = DemoFace("radiooff.jpg");
    const DecodedJpeg builtOn = BuiltInJpeg("TForm1_RadioImage1");
    const DecodedJpeg builtOff = BuiltInJpeg("TForm1_RadioImage2");
    ASSERT_TRUE(on.valid && off.valid && builtOn.valid && builtOff.valid);
    auto brightness = [](const Rgb& p) { return p.r + p.g + p.b; };
    // The ring's centre lies at 10.5, 12 within the 24 x 24 picture, give or take a pixel.
    EXPECT_LT(brightness(on.At(10, 12)), 400);
    EXPECT_GT(brightness(off.At(10, 12)), 600);
    EXPECT_LT(brightness(builtOn.At(10, 12)), 400);
    EXPECT_GT(brightness(builtOff.At(10, 12)), 600);
    // Both lie on the tan ground of the main window.
    for (const DecodedJpeg* face : {&on, &off, &builtOn, &builtOff})
        EXPECT_LE(Distance(face->At(23, 0), TanGround), 6);
}

} // namespace

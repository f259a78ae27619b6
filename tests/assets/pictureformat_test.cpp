// Every built-in picture is present, wrapped correctly and in the format and size the windows
// expect: backgrounds as 24-bit bottom-up BMPs at 72 dpi, the rest as baseline JFIF JPEGs.

#include "tests/assets/assetfiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <set>

namespace {

struct Expected {
    const char* name;
    const char* className;
    int width, height;
};

const Expected Pictures[] = {
    {"TForm1_CoolForm1", "TBitmap", 800, 653},    {"TForm2_CoolForm1", "TBitmap", 340, 120},
    {"TForm3_CoolForm1", "TBitmap", 750, 520},    {"TForm5_CoolForm1", "TBitmap", 340, 120},
    {"TForm6_CoolForm1", "TBitmap", 800, 653},    {"TForm7_CoolForm1", "TBitmap", 698, 480},
    {"TForm8_CoolForm1", "TBitmap", 750, 520},    {"TForm1_RadioImage1", "TJPEGImage", 24, 24},
    {"TForm1_RadioImage2", "TJPEGImage", 24, 24}, {"TForm3_Image1", "TJPEGImage", 715, 398},
    {"TForm3_Image2", "TJPEGImage", 713, 344},    {"TForm3_Image3", "TJPEGImage", 715, 420},
    {"TForm3_Image4", "TJPEGImage", 715, 408},    {"TForm3_Image5", "TJPEGImage", 715, 409},
    {"TForm3_Image6", "TJPEGImage", 716, 344},    {"TForm3_Image7", "TJPEGImage", 713, 405},
    {"TForm3_Image8", "TJPEGImage", 716, 406},    {"TForm3_Image9", "TJPEGImage", 714, 410},
    {"TForm3_Image10", "TJPEGImage", 711, 407},   {"TForm3_Image11", "TJPEGImage", 713, 358},
    {"TForm3_Image12", "TJPEGImage", 716, 411},   {"TForm3_Image13", "TJPEGImage", 714, 362},
    {"TForm3_Image14", "TJPEGImage", 714, 374},   {"TForm3_Image15", "TJPEGImage", 715, 376},
    {"TForm8_Image1", "TJPEGImage", 715, 416},    {"TForm8_Image2", "TJPEGImage", 713, 362},
    {"TForm4_QRImage1", "TJPEGImage", 12, 31},
};

class BuiltInPicture : public testing::TestWithParam<Expected> {};

TEST_P(BuiltInPicture, WrapperHoldsOneWholeFileOfItsClass) {
    const Expected& expected = GetParam();
    const Bytes bytes = ReadFileBytes(PicturesDir() + "/" + expected.name + ".pic");
    ASSERT_FALSE(bytes.empty()) << expected.name << ".pic is missing";
    const EmbeddedPicture picture = ReadEmbeddedPicture(bytes);
    ASSERT_TRUE(picture.valid) << "the declared size runs past the end of the file";
    EXPECT_EQ(picture.className, expected.className);
    EXPECT_EQ(picture.trailing, 0u) << "bytes after the picture";
}

TEST_P(BuiltInPicture, HasItsFormatAndSize) {
    const Expected& expected = GetParam();
    const EmbeddedPicture picture =
        ReadEmbeddedPicture(ReadFileBytes(PicturesDir() + "/" + expected.name + ".pic"));
    ASSERT_TRUE(picture.valid);
    if (std::string(expected.className) == "TBitmap") {
        const BmpFile bmp = ReadBmp(picture.file);
        const std::uint32_t stride = (expected.width * 3 + 3) & ~3u;
        EXPECT_EQ(std::string(bmp.magic, 2), "BM");
        EXPECT_EQ(bmp.fileSizeField, bmp.actualSize);
        EXPECT_EQ(bmp.pixelOffset, 54u);
        EXPECT_EQ(bmp.headerSize, 40u);
        EXPECT_EQ(bmp.width, expected.width);
        EXPECT_EQ(bmp.height, expected.height) << "positive: rows stored bottom-up";
        EXPECT_EQ(bmp.planes, 1);
        EXPECT_EQ(bmp.bitsPerPixel, 24);
        EXPECT_EQ(bmp.compression, 0u) << "BI_RGB";
        EXPECT_EQ(bmp.xPixelsPerMetre, 2834);
        EXPECT_EQ(bmp.yPixelsPerMetre, 2834);
        EXPECT_EQ(bmp.coloursUsed, 0u) << "no colour table";
        EXPECT_EQ(bmp.actualSize, 54u + stride * expected.height) << "rows padded to 4 bytes";
    } else {
        const JpegMarkers jpeg = ReadJpegMarkers(picture.file);
        EXPECT_TRUE(jpeg.startsWithSoi);
        EXPECT_TRUE(jpeg.endsWithEoi);
        EXPECT_TRUE(jpeg.jfif);
        EXPECT_EQ(jpeg.densityUnits, 1) << "dots per inch";
        EXPECT_EQ(jpeg.xDensity, 72);
        EXPECT_EQ(jpeg.yDensity, 72);
        EXPECT_EQ(jpeg.frameMarker, 0xC0) << "baseline";
        EXPECT_EQ(jpeg.precision, 8);
        EXPECT_EQ(jpeg.components, 3);
        EXPECT_EQ(jpeg.width, expected.width);
        EXPECT_EQ(jpeg.height, expected.height);
    }
}

INSTANTIATE_TEST_SUITE_P(Assets, BuiltInPicture, testing::ValuesIn(Pictures),
                         [](const testing::TestParamInfo<Expected>& test) {
                             return std::string(test.param.name);
                         });

// The program carries only the pictures the build compiles in; they, the folder and the
// windows' needs must agree, or a window would start with a picture missing.
TEST(PictureInventory, FolderAndBuiltInPicturesHoldExactlyTheExpectedPictures) {
    std::set<std::string> expected;
    for (const Expected& picture : Pictures)
        expected.insert(picture.name);

    std::set<std::string> inFolder;
    for (const auto& entry : std::filesystem::directory_iterator(PicturesDir()))
        if (entry.path().extension() == ".pic")
            inFolder.insert(entry.path().stem().string());
    EXPECT_EQ(inFolder, expected);

    std::set<std::string> builtIn;
    for (const QFileInfo& entry :
         QDir(QStringLiteral(":/assets/pictures")).entryInfoList(QDir::Files))
        if (entry.suffix() == "pic")
            builtIn.insert(entry.completeBaseName().toStdString());
    EXPECT_EQ(builtIn, expected);
}

} // namespace

#include "bench/hostile/hostilefiles.h"
#include "core/errors.h"
#include "pictures/bitmap.h"
#include "pictures/embeddedpicture.h"
#include "pictures/jpegimage.h"
#include "pictures/metafile.h"
#include "pictures/metafileformat.h"
#include "pictures/picture.h"
#include "pictures/picturebounds.h"
#include "tests/pictures/testpictures.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <filesystem>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

// Loads into a holder that already shows a 16 x 8 picture, and checks that a failed load
// leaves that picture in place and tells nobody.
class PictureLoadTest : public testing::Test {
protected:
    void SetUp() override {
        folder_.Write("images/previous.jpg", MakeJpeg(16, 8));
        picture_.LoadFromFile("images/previous.jpg");
        previous_ = picture_.Graphic();
        picture_.OnChange = [this] { ++changes_; };
    }

    // The message of the failure of loading fileName, of the given kind.
    template <typename Failure> std::string FailureOf(const std::string& fileName) {
        try {
            picture_.LoadFromFile(fileName);
        } catch (const Failure& failure) {
            EXPECT_EQ(picture_.Graphic(), previous_) << fileName << ": previous picture gone";
            EXPECT_EQ(changes_, 0) << fileName;
            return failure.Message();
        } catch (const std::exception& other) {
            return std::string("wrong kind: ") + other.what();
        }
        return "no failure";
    }

    ScratchFolder folder_;
    TPicture picture_;
    TGraphic* previous_ = nullptr;
    int changes_ = 0;
};

TEST_F(PictureLoadTest, UpperCaseExtensionPicksJpeg) {
    folder_.Write("images/abc.JPG", MakeJpeg(30, 20));
    picture_.LoadFromFile("./images/abc.JPG");
    ASSERT_NE(picture_.Graphic(), nullptr);
    EXPECT_STREQ(picture_.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(picture_.Width(), 30);
    EXPECT_EQ(picture_.Height(), 20);
    EXPECT_EQ(changes_, 1);
}

TEST_F(PictureLoadTest, MissingFileNamesThePathAsPassedIn) {
    EXPECT_EQ(FailureOf<EFOpenError>("./images/abc.jpg"), "Cannot open file ./images/abc.jpg");
}

TEST_F(PictureLoadTest, UnknownExtensionsFailWithoutOpeningTheFile) {
    folder_.Write("images/abc", MakeJpeg(4, 4));
    EXPECT_EQ(FailureOf<EInvalidGraphic>("./images/abc"),
              "Unknown picture file extension (./images/abc)");
    EXPECT_EQ(FailureOf<EInvalidGraphic>("a.gif"), "Unknown picture file extension (.gif)");
    // The extension is shown as written, code page 1250 bytes and all.
    EXPECT_EQ(FailureOf<EInvalidGraphic>("k\xE9p.J\xC9G"),
              "Unknown picture file extension (.J\xC9G)");
}

TEST_F(PictureLoadTest, NameWithoutExtensionLoadsAnEmptyPictureWithoutFileAccess) {
    picture_.LoadFromFile("images/abc"); // no such file
    ASSERT_NE(picture_.Graphic(), nullptr);
    EXPECT_STREQ(picture_.Graphic()->ClassName(), "TOleGraphic");
    EXPECT_EQ(picture_.Width(), 0);
    EXPECT_EQ(picture_.Height(), 0);
    EXPECT_EQ(changes_, 1);
}

TEST_F(PictureLoadTest, FaultyContentsRaiseTheirClassMessage) {
    const std::string text = "just some text\r\n";
    const std::vector<std::uint8_t> textBytes(text.begin(), text.end());
    for (const char* name : {"x.jpg", "x.jpeg", "x.bmp", "x.ico", "x.wmf", "x.emf"})
        folder_.Write(name, textBytes);
    EXPECT_EQ(FailureOf<EJPEG>("x.jpg"), "JPEG error #52");
    EXPECT_EQ(FailureOf<EJPEG>("X.JPEG"), "JPEG error #52");
    EXPECT_EQ(FailureOf<EInvalidGraphic>("x.bmp"), "Bitmap image is not valid");
    EXPECT_EQ(FailureOf<EInvalidGraphic>("x.ico"), "Icon image is not valid");
    EXPECT_EQ(FailureOf<EInvalidGraphic>("x.wmf"), "Metafile is not valid");
    EXPECT_EQ(FailureOf<EInvalidGraphic>("x.emf"), "Metafile is not valid");
}

// The frame header's size replaced: the picture data stays that of the small picture.
std::vector<std::uint8_t> ClaimingSize(std::vector<std::uint8_t> jpeg, int width, int height) {
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            const std::uint8_t size[4] = {std::uint8_t(height >> 8), std::uint8_t(height),
                                          std::uint8_t(width >> 8), std::uint8_t(width)};
            std::copy(size, size + 4, jpeg.begin() + std::ptrdiff_t(i) + 5);
            break;
        }
    }
    return jpeg;
}

// A 1-bit bitmap header claiming the size, without its rows.
std::vector<std::uint8_t> BmpHeaderClaiming(int width, int height) {
    std::vector<std::uint8_t> bmp{'B', 'M'};
    for (std::uint32_t value : {62u, 0u, 62u, 40u, std::uint32_t(width), std::uint32_t(height)})
        PutU32(bmp, value);
    PutU16(bmp, 1);
    PutU16(bmp, 1);
    bmp.resize(62);
    return bmp;
}

// 160 megapixels pass (a JPEG's header is all a load reads); one more row is refused before
// anything is allocated, naming the file and the claim.
TEST_F(PictureLoadTest, ClaimedSizesPastTheBoundAreRefused) {
    folder_.Write("inside.jpg", ClaimingSize(MakeJpeg(16, 16), 16000, 10000));
    folder_.Write("past.jpg", ClaimingSize(MakeJpeg(16, 16), 16000, 10001));
    folder_.Write("inside.bmp", BmpHeaderClaiming(16000, 10000));
    folder_.Write("past.bmp", BmpHeaderClaiming(16000, -10001));
    EXPECT_EQ(FailureOf<EInvalidGraphic>("past.jpg"),
              "Picture past.jpg is too large: 16000 x 10001 pixels (at most 160 megapixels)");
    EXPECT_EQ(FailureOf<EInvalidGraphic>("past.bmp"),
              "Picture past.bmp is too large: 16000 x 10001 pixels (at most 160 megapixels)");
    EXPECT_EQ(FailureOf<EInvalidGraphic>("inside.bmp"), "Bitmap image is not valid");
    picture_.LoadFromFile("inside.jpg");
    EXPECT_EQ(picture_.Width(), 16000);
    EXPECT_EQ(picture_.Height(), 10000);
}

// Files built to cost work rather than memory: past the limits they are refused when they load,
// naming the file and what it exceeds; a JPEG within the scan count whose scans still make too
// much work is stopped while it decodes.
TEST_F(PictureLoadTest, FilesBuiltToCostWorkAreRefused) {
    folder_.Write("scans.jpg", ManyScanJpeg(64, 48, 150));
    folder_.Write("lines.emf", ManyRecordEmf(MaxMetafileRecords + 1));
    folder_.Write("lines.wmf", ManyRecordWmf(MaxMetafileRecords + 1));
    folder_.Write("full.jpg", ClaimingJpeg(16000, 10000, true));
    EXPECT_EQ(FailureOf<EInvalidGraphic>("scans.jpg"),
              "Picture scans.jpg is too complex: 150 scans (at most 100)");
    EXPECT_EQ(FailureOf<EInvalidGraphic>("lines.emf"),
              "Picture lines.emf is too complex: 20001 records (at most 20000)");
    EXPECT_EQ(FailureOf<EInvalidGraphic>("lines.wmf"),
              "Picture lines.wmf is too complex: 20001 records (at most 20000)");
    EXPECT_EQ(FailureOf<EInvalidGraphic>("full.jpg"),
              "Picture full.jpg is too large: 16000 x 10000 pixels in several scans need 960 MB "
              "to decode (at most 480 MB)");

    folder_.Write("repeats.jpg", ManyScanJpeg(64, 48, 100));
    picture_.LoadFromFile("repeats.jpg");
    try {
        picture_.Graphic()->ToImage();
        ADD_FAILURE() << "decoded";
    } catch (const EPictureTooComplex& refused) {
        EXPECT_EQ(refused.Message(),
                  "Picture repeats.jpg is too complex: its scans pass over the picture's "
                  "coefficients more than 16 times");
    }
}

TEST_F(PictureLoadTest, FifosAndDevicesAreNotOpened) {
    ASSERT_EQ(::mkfifo("fifo.jpg", 0644), 0);
    std::filesystem::create_symlink("/dev/zero", "zero.bmp");
    EXPECT_EQ(FailureOf<EFOpenError>("fifo.jpg"), "Cannot open file fifo.jpg");
    EXPECT_EQ(FailureOf<EFOpenError>("zero.bmp"), "Cannot open file zero.bmp");
}

// The main picture and the thumbnail of one file hold one bitmap between them.
TEST(PictureSharingTest, PicturesOfIdenticalBytesHoldOneBitmap) {
    TJPEGImage first, second, other;
    first.LoadFromBytes(MakeJpeg(40, 30));
    second.LoadFromBytes(MakeJpeg(40, 30));
    other.LoadFromBytes(MakeJpeg(40, 31));
    EXPECT_EQ(first.ToImage().cacheKey(), second.ToImage().cacheKey());
    EXPECT_NE(first.ToImage().cacheKey(), other.ToImage().cacheKey());
}

TEST_F(PictureLoadTest, EmptyJpegFileLoadsAsZeroByZero) {
    folder_.Write("empty.jpg", {});
    picture_.LoadFromFile("empty.jpg");
    EXPECT_STREQ(picture_.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(picture_.Width(), 0);
    EXPECT_EQ(picture_.Height(), 0);
}

TEST_F(PictureLoadTest, BitmapIconAndMetafileLoad) {
    folder_.Write("b.bmp", MakeBmp24(7, 3, PatternPixels(7, 3)));
    picture_.LoadFromFile("b.BMP");
    EXPECT_STREQ(picture_.Graphic()->ClassName(), "TBitmap");
    EXPECT_EQ(picture_.Width(), 7);
    EXPECT_EQ(picture_.Height(), 3);

    // An icon whose only image is a PNG stream.
    QImage png(5, 6, QImage::Format_ARGB32);
    png.fill(Qt::blue);
    QByteArray pngBytes;
    QBuffer buffer(&pngBytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(png.save(&buffer, "PNG"));
    std::vector<std::uint8_t> ico;
    PutU16(ico, 0);
    PutU16(ico, 1);
    PutU16(ico, 1);
    ico.insert(ico.end(), {5, 6, 0, 0});
    PutU16(ico, 1);
    PutU16(ico, 32);
    PutU32(ico, static_cast<std::uint32_t>(pngBytes.size()));
    PutU32(ico, 22);
    ico.insert(ico.end(), pngBytes.begin(), pngBytes.end());
    folder_.Write("i.ico", ico);
    picture_.LoadFromFile("i.ico");
    EXPECT_STREQ(picture_.Graphic()->ClassName(), "TIcon");
    EXPECT_EQ(picture_.Width(), 5);
    EXPECT_EQ(picture_.Height(), 6);
    EXPECT_EQ(picture_.Graphic()->ToImage().pixelColor(2, 2), QColor(Qt::blue));

    folder_.Write("m.emf", MakeEmf());
    picture_.LoadFromFile("m.emf");
    EXPECT_STREQ(picture_.Graphic()->ClassName(), "TMetafile");
    EXPECT_EQ(picture_.Width(), 40);
    EXPECT_EQ(picture_.Height(), 20);
    EXPECT_EQ(changes_, 3);
}

TEST(MetafileTest, DrawsWmfAndEmfIntoAnyRectangle) {
    for (const auto& bytes : {MakeWmf(true), MakeWmf(false), MakeEmf()}) {
        TMetafile metafile;
        metafile.LoadFromBytes(bytes);
        EXPECT_NEAR(metafile.Width(), 40, 1);
        // At twice its size in a white surface, as a stretched slot draws it; at its own size,
        // as the print takes it.
        QImage surface(100, 60, QImage::Format_RGB32);
        surface.fill(Qt::white);
        QPainter painter(&surface);
        metafile.Draw(painter, QRect(10, 10, 80, 40));
        painter.end();
        const QImage own = metafile.ToImage();
        for (const QRgb red : {surface.pixel(30, 30), own.pixel(5, 10)})
            EXPECT_EQ(red & 0xF0F0F0, 0xF00000u) << std::hex << red;
        for (const QRgb blue : {surface.pixel(70, 30), own.pixel(35, 10)})
            EXPECT_EQ(blue & 0xF0F0F0, 0x0000F0u) << std::hex << blue;
        EXPECT_EQ(surface.pixel(95, 30), QColor(Qt::white).rgb()) << "drawn outside its box";
        // Contents the library refuses.
        EXPECT_THROW(metafile.LoadFromBytes({bytes.begin(), bytes.end() - 30}), EInvalidGraphic);
    }
}

TEST(BitmapTest, KeepsTheFileBytesExactly) {
    std::vector<std::uint8_t> bytes = MakeBmp24(3, 2, PatternPixels(3, 2));
    bytes[6] = 0x5A; // reserved fields and trailing bytes a writer would not reproduce
    bytes.push_back(0x77);
    TBitmap bitmap;
    bitmap.LoadFromBytes(bytes);
    EXPECT_EQ(bitmap.SaveToBytes(), bytes);
    EXPECT_EQ(bitmap.ToImage().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(bitmap.ToImage().pixel(2, 1), qRgb(255, 255, 2 * 7 + 13));
}

TEST(EmbeddedPictureTest, FormatAndParseAreInverse) {
    const std::vector<std::uint8_t> bytes = {1, 2, 3, 0xFF};
    const std::vector<std::uint8_t> data = FormatEmbeddedPicture("TBitmap", bytes);
    const std::vector<std::uint8_t> expected = {7, 'T', 'B', 'i', 't', 'm', 'a', 'p',
                                                4, 0,   0,   0,   1,   2,   3,   0xFF};
    EXPECT_EQ(data, expected);
    const std::optional<EmbeddedPicture> parsed = ParseEmbeddedPicture(data);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->className, "TBitmap");
    EXPECT_EQ(parsed->bytes, bytes);
}

TEST(EmbeddedPictureTest, RefusesDataThatDoesNotAddUp) {
    std::vector<std::uint8_t> data = FormatEmbeddedPicture("TBitmap", std::vector<std::uint8_t>(3));
    EXPECT_FALSE(ParseEmbeddedPicture(std::span(data).first(data.size() - 1)));
    data.push_back(0);
    EXPECT_FALSE(ParseEmbeddedPicture(data)) << "bytes beyond the count";
    EXPECT_FALSE(ParseEmbeddedPicture(std::vector<std::uint8_t>{9, 'T', 'B'}));
    EXPECT_FALSE(ParseEmbeddedPicture(std::vector<std::uint8_t>{0, 0, 0, 0, 0}));
}

TEST(PictureEmbeddedTest, RoundTripsJpegAndBitmapBytes) {
    for (const auto& [className, bytes] :
         {std::pair<std::string, std::vector<std::uint8_t>>{"TJPEGImage", MakeJpeg(21, 13)},
          {"TBitmap", MakeBmp24(21, 13, PatternPixels(21, 13))}}) {
        const std::vector<std::uint8_t> data = FormatEmbeddedPicture(className, bytes);
        TPicture picture;
        int changes = 0;
        picture.OnChange = [&] { ++changes; };
        picture.ReadEmbedded(data);
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_EQ(picture.Graphic()->ClassName(), className);
        EXPECT_EQ(picture.Width(), 21);
        EXPECT_EQ(picture.Height(), 13);
        EXPECT_EQ(picture.WriteEmbedded(), data);
        EXPECT_EQ(changes, 1);
    }
}

TEST(PictureEmbeddedTest, BadDataLeavesTheHolderAlone) {
    TPicture picture;
    picture.ReadEmbedded(FormatEmbeddedPicture("TJPEGImage", MakeJpeg(5, 5)));
    TGraphic* before = picture.Graphic();
    const std::string text = "not a jpeg";
    EXPECT_THROW(picture.ReadEmbedded(FormatEmbeddedPicture(
                     "TJPEGImage", std::vector<std::uint8_t>(text.begin(), text.end()))),
                 EJPEG);
    EXPECT_THROW(picture.ReadEmbedded(FormatEmbeddedPicture("TGIFImage", MakeJpeg(5, 5))),
                 EInvalidGraphic);
    EXPECT_THROW(picture.ReadEmbedded(std::vector<std::uint8_t>{3, 'T', 'x'}), EInvalidGraphic);
    EXPECT_EQ(picture.Graphic(), before);
    EXPECT_TRUE(TPicture().WriteEmbedded().empty());
}

TEST(PictureAssignTest, CopyHasTheSameClassAndContentAndIsIndependent) {
    ScratchFolder folder;
    folder.Write("a.jpg", MakeJpeg(40, 30));
    folder.Write("b.bmp", MakeBmp24(6, 2, PatternPixels(6, 2)));
    TPicture source;
    source.LoadFromFile("a.jpg");
    TPicture copy;
    int changes = 0;
    copy.OnChange = [&] { ++changes; };
    copy.Assign(source);
    ASSERT_NE(copy.Graphic(), nullptr);
    EXPECT_NE(copy.Graphic(), source.Graphic());
    EXPECT_STREQ(copy.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(copy.WriteEmbedded(), source.WriteEmbedded());
    const QImage shown = copy.Graphic()->ToImage();

    source.LoadFromFile("b.bmp");
    EXPECT_EQ(copy.Width(), 40);
    EXPECT_EQ(copy.Graphic()->ToImage(), shown);
    copy.Assign(source);
    EXPECT_STREQ(copy.Graphic()->ClassName(), "TBitmap");
    EXPECT_EQ(copy.Graphic()->ToImage(), source.Graphic()->ToImage());
    copy.Assign(TPicture());
    EXPECT_EQ(copy.Graphic(), nullptr);
    EXPECT_EQ(copy.Width(), 0);
    EXPECT_EQ(changes, 3);
}

} // namespace

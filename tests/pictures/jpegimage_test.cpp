#include "core/errors.h"
#include "pictures/jpegimage.h"
#include "tests/pictures/testpictures.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TJPEGImage> Loaded(std::vector<std::uint8_t> bytes) {
    auto jpeg = std::make_unique<TJPEGImage>();
    jpeg->LoadFromBytes(std::move(bytes));
    return jpeg;
}

int CodeOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EJPEG& error) {
        return error.Code();
    }
    return 0;
}

TEST(JpegImageTest, LoadKnowsTheSizeBeforeAnyDecoding) {
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(MakeJpeg(64, 48));
    EXPECT_EQ(jpeg.Width(), 64);
    EXPECT_EQ(jpeg.Height(), 48);
    EXPECT_FALSE(jpeg.Grayscale());
    EXPECT_FALSE(jpeg.Decoded());
}

TEST(JpegImageTest, DecodesOnceAtFullSizeAndReusesTheBitmap) {
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(MakeJpeg(64, 48));
    const QImage first = jpeg.ToImage();
    ASSERT_TRUE(jpeg.Decoded());
    EXPECT_EQ(first.format(), QImage::Format_RGB888);
    EXPECT_EQ(first.size(), QSize(64, 48));
    QImage surface(20, 20, QImage::Format_RGB32);
    QPainter painter(&surface);
    jpeg.Draw(painter, QRect(0, 0, 20, 20));
    painter.end();
    EXPECT_EQ(jpeg.ToImage().cacheKey(), first.cacheKey()) << "decoded again";
}

TEST(JpegImageTest, GrayscaleFileStaysEightBit) {
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(MakeJpeg(30, 20, true));
    EXPECT_TRUE(jpeg.Grayscale());
    EXPECT_EQ(jpeg.ToImage().format(), QImage::Format_Grayscale8);
}

TEST(JpegImageTest, EmptyFileLoadsAsNothingAndFailsOnceAtDecoding) {
    TJPEGImage jpeg;
    jpeg.LoadFromBytes({});
    EXPECT_EQ(jpeg.Width(), 0);
    EXPECT_EQ(jpeg.Height(), 0);
    QImage surface(10, 10, QImage::Format_RGB32);
    surface.fill(Qt::red);
    QPainter painter(&surface);
    EXPECT_EQ(CodeOf([&] { jpeg.Draw(painter, QRect(0, 0, 10, 10)); }), 41);
    // Never decoded again, not even after the error: later drawings are silent.
    EXPECT_EQ(CodeOf([&] { jpeg.Draw(painter, QRect(0, 0, 10, 10)); }), 0);
    painter.end();
    EXPECT_TRUE(jpeg.ToImage().isNull());
    EXPECT_EQ(surface.pixel(5, 5), QColor(Qt::red).rgb());
}

TEST(JpegImageTest, DecodingErrorKeepsAndDrawsWhatWasDecoded) {
    const std::vector<std::uint8_t> good = MakeJpeg(32, 24);
    const QImage expected = Loaded(good)->ToImage();
    const auto owned = Loaded(WithBadMarkerBeforeEnd(good));
    TJPEGImage& jpeg = *owned;
    QImage surface(32, 24, QImage::Format_RGB32);
    surface.fill(Qt::red);
    QPainter painter(&surface);
    EXPECT_EQ(CodeOf([&] { jpeg.Draw(painter, QRect(0, 0, 32, 24)); }), 11);
    painter.end();
    EXPECT_EQ(jpeg.ToImage(), expected);
    EXPECT_EQ(surface, expected.convertToFormat(QImage::Format_RGB32)) << "drawn before raising";
}

TEST(JpegImageTest, CloneIsACopyOfItsOwnSharingThePixels) {
    const auto owned = Loaded(MakeJpeg(40, 30));
    TJPEGImage& jpeg = *owned;
    const QImage pixels = jpeg.ToImage();
    std::unique_ptr<TGraphic> copy = jpeg.Clone();
    EXPECT_STREQ(copy->ClassName(), "TJPEGImage");
    EXPECT_EQ(copy->ToImage().cacheKey(), pixels.cacheKey()) << "held once";
    jpeg.LoadFromBytes(MakeJpeg(8, 8));
    EXPECT_EQ(copy->Width(), 40);
    EXPECT_EQ(copy->ToImage(), pixels);
    EXPECT_EQ(copy->SaveToBytes(), MakeJpeg(40, 30));
}

TEST(JpegImageTest, SmallTargetDecodesScaledAndACopyDecodesAtFullSize) {
    const auto owned = Loaded(MakeJpeg(640, 480));
    TJPEGImage& jpeg = *owned;
    jpeg.PrepareDrawing(QSize(112, 84));
    jpeg.PrepareDrawing(QSize(640, 480)); // only the first request counts
    EXPECT_EQ(jpeg.ToImage().size(), QSize(160, 120));
    EXPECT_EQ(jpeg.Width(), 640) << "the size stays the picture's own";
    // The printed page and the preview window copy a picture: never a thumbnail's bitmap.
    EXPECT_EQ(jpeg.Clone()->ToImage().size(), QSize(640, 480));
}

TEST(JpegImageTest, PicturesOfTheSameBytesShareTheDecodeAndEachReportsItsError) {
    const std::vector<std::uint8_t> faulty = WithBadMarkerBeforeEnd(MakeJpeg(64, 48));
    const auto first = Loaded(faulty);
    const auto second = Loaded(faulty);
    first->PrepareDrawing(QSize(64, 48));
    second->PrepareDrawing(QSize(64, 48));
    EXPECT_EQ(CodeOf([&] { first->ToImage(); }), 11);
    // Each picture has its own first drawing, where its error surfaces.
    EXPECT_EQ(CodeOf([&] { second->ToImage(); }), 11);
    EXPECT_EQ(CodeOf([&] { second->ToImage(); }), 0);
    EXPECT_EQ(first->ToImage().cacheKey(), second->ToImage().cacheKey()) << "decoded once";
}

} // namespace

#include "core/errors.h"
#include "pictures/metafile.h"
#include "tests/pictures/testpictures.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

TEST(MetafileTest, DrawsWmfAndEmfIntoAnyRectangle) {
    for (const auto& bytes : {MakeWmf(true), MakeWmf(false), MakeEmf()}) {
        TMetafile metafile;
        metafile.LoadFromBytes(bytes);
        EXPECT_NEAR(metafile.Width(), 40, 1);
        EXPECT_NEAR(metafile.Height(), 20, 1);
        // At twice its size inside a white surface, as a stretched slot draws it; at its own
        // size, as the print takes it.
        QImage surface(100, 60, QImage::Format_RGB32);
        surface.fill(Qt::white);
        QPainter painter(&surface);
        metafile.Draw(painter, QRect(10, 10, 80, 40));
        painter.end();
        const QImage own = metafile.ToImage();
        for (const QRgb pixel : {surface.pixel(30, 30), own.pixel(5, 10)})
            EXPECT_EQ(pixel & 0xF0F0F0, 0xF00000u) << std::hex << pixel;
        for (const QRgb pixel : {surface.pixel(70, 30), own.pixel(35, 10)})
            EXPECT_EQ(pixel & 0xF0F0F0, 0x0000F0u) << std::hex << pixel;
        EXPECT_EQ(surface.pixel(95, 30), QColor(Qt::white).rgb()) << "drawn outside its box";

        // Contents the library refuses leave the picture as it was.
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.end() - 30);
        EXPECT_THROW(metafile.LoadFromBytes(cut), EInvalidGraphic);
        EXPECT_NEAR(metafile.Width(), 40, 1);
    }
}

} // namespace

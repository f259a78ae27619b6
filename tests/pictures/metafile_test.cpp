#include "core/errors.h"
#include "pictures/metafile.h"
#include "tests/pictures/testpictures.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

bool Near(QColor got, QColor want) {
    return std::abs(got.red() - want.red()) <= 16 && std::abs(got.green() - want.green()) <= 16 &&
           std::abs(got.blue() - want.blue()) <= 16;
}

TEST(MetafileTest, DrawsWmfAndEmfIntoAnyRectangle) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    for (const Case& file : {Case{"placeable WMF", MakeWmf(true)},
                             Case{"plain WMF", MakeWmf(false)}, Case{"EMF", MakeEmf()}}) {
        SCOPED_TRACE(file.name);
        TMetafile metafile;
        metafile.LoadFromBytes(file.bytes);
        EXPECT_NEAR(metafile.Width(), 40, 1);
        EXPECT_NEAR(metafile.Height(), 20, 1);

        // Twice its size, inside a white surface, as a stretched slot draws it.
        QImage surface(100, 60, QImage::Format_RGB32);
        surface.fill(Qt::white);
        QPainter painter(&surface);
        metafile.Draw(painter, QRect(10, 10, 80, 40));
        painter.end();
        EXPECT_TRUE(Near(surface.pixelColor(30, 30), Qt::red))
            << surface.pixelColor(30, 30).name().toStdString();
        EXPECT_TRUE(Near(surface.pixelColor(70, 30), Qt::blue))
            << surface.pixelColor(70, 30).name().toStdString();
        EXPECT_EQ(surface.pixelColor(5, 30), QColor(Qt::white)) << "drawn outside its rectangle";
        EXPECT_EQ(surface.pixelColor(95, 30), QColor(Qt::white)) << "drawn outside its rectangle";

        // At its own size, as the print takes it.
        const QImage own = metafile.ToImage();
        ASSERT_EQ(own.size(), QSize(metafile.Width(), metafile.Height()));
        EXPECT_TRUE(Near(own.pixelColor(5, 10), Qt::red));
        EXPECT_TRUE(Near(own.pixelColor(35, 10), Qt::blue));

        // Contents cut short are refused and leave the picture as it was.
        std::vector<std::uint8_t> cut = file.bytes;
        cut.resize(cut.size() - 30);
        try {
            metafile.LoadFromBytes(cut);
            ADD_FAILURE() << "cut metafile loaded";
        } catch (const EInvalidGraphic& error) {
            EXPECT_EQ(error.Message(), "Metafile is not valid");
        }
        EXPECT_NEAR(metafile.Width(), 40, 1);
    }
}

} // namespace

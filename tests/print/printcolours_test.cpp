// The printed sheet of tagged photographs, through the running program and the private PDF
// printer: in the colours of the sRGB original, and in sRGB even while the screen has a colour
// profile of its own.

#include "app/windowset.h"
#include "colour/colour.h"
#include "mainwindow/tform1.h"
#include "skin/skin.h"
#include "skin/tform.h"
#include "tests/colour/taggedpictures.h"
#include "tests/mainwindow/program_fixture.h"
#include "tests/print/printserverclient.h"

#include <QTest>
#include <QTimer>

namespace {

constexpr int Width = 400, Height = 300;
constexpr double MmPerPixel = 25.4 / 96; // printed at its screen size from the box's corner

class PrintColours : public ProgramTest {
protected:
    void TearDown() override {
        SetScreenProfile({});
        ProgramTest::TearDown();
    }

    // The shown entry printed through the print face and the confirmation's yes face: the
    // colours of a grid of points over the printed picture, as a small image.
    QImage PrintedColours() {
        const auto before = server_.Pdfs();
        QTimer::singleShot(0, [] {
            TForm* confirmation = Form(Window::PrintConfirmation);
            QWidget* yes = confirmation->childAt(127, 80);
            QTest::mouseClick(yes, Qt::LeftButton, {}, yes->mapFrom(confirmation, QPoint(127, 80)));
        });
        QTest::mouseClick(Main().Image9, Qt::LeftButton);
        ProcessEvents();
        const auto sheet = server_.ReadNewSheet(before);
        QImage grid(7, 5, QImage::Format_RGB888);
        for (int y = 0; sheet && y < grid.height(); ++y)
            for (int x = 0; x < grid.width(); ++x)
                grid.setPixelColor(
                    x, y,
                    sheet->ColourAt(page::BoxLeft + (x + 1) * Width / 8 * MmPerPixel,
                                    page::BoxTop + (y + 1) * Height / 6 * MmPerPixel));
        return sheet ? grid : QImage();
    }

    PrintServerClient server_;
};

TEST_F(PrintColours, TaggedPhotographsPrintInTheOriginalsColours) {
    server_.SetState("default");
    ASSERT_EQ(server_.CheckIsPrivate(), "") << "refusing to print";
    WriteTaggedVersions(folder_ / "images", Width, Height);
    std::vector<TestEntry> entries;
    for (const TaggedVersion& version : TaggedVersions)
        entries.push_back(
            {version.file, "Hely", "Idő", {}, {{version.file, 0, 0}, {"srgb.jpg", 0, 0}}});
    WriteCatalogue(entries);
    StartProgram();
    const QImage original = PrintedColours();
    ASSERT_FALSE(original.isNull());

    // A wide-gamut screen from here on: the screen shows other numbers, paper must not.
    ASSERT_TRUE(SetScreenProfile(ReadProfile(AdobeRgbProfile)));
    for (std::size_t i = 1; i < std::size(TaggedVersions); ++i) {
        QTest::keyClick(Main().ListBox1, Qt::Key_Down);
        ProcessEvents();
        EXPECT_LE(MeanDifference(PrintedColours(), original), TaggedVersions[i].limit)
            << TaggedVersions[i].file;
    }
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

} // namespace

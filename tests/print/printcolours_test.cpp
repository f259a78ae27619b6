// The printed sheet of a tagged photograph, through the running program and the private PDF
// printer: in the colours of the sRGB original, and in sRGB even while the screen has a colour
// profile of its own.

#include "app/application.h"
#include "app/tform.h"
#include "colour/colour.h"
#include "mainwindow/tform1.h"
#include "tests/colour/taggedpictures.h"
#include "tests/mainwindow/program_fixture.h"
#include "tests/print/printserverclient.h"

#include <QTest>
#include <QTimer>
#include <fstream>

namespace {

constexpr int Width = 400, Height = 300;
// The picture prints at its screen size (96 dpi) from the box's corner.
constexpr double MmPerPixel = 25.4 / 96;

class PrintColours : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        server_.SetState("default");
        ASSERT_EQ(server_.CheckIsPrivate(), "") << "refusing to print";
    }
    void TearDown() override {
        SetScreenProfile({});
        ProgramTest::TearDown();
    }

    void Write(const char* name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(folder_ / "images" / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    // Prints the shown entry through the print face and the confirmation's yes face; the
    // colours of a grid of points over the printed picture.
    std::vector<QColor> PrintedColours() {
        const auto before = server_.Pdfs();
        QTimer::singleShot(0, [] {
            TForm* confirmation = Form(Window::PrintConfirmation);
            QWidget* yes = confirmation->childAt(127, 80);
            ASSERT_NE(yes, nullptr);
            QTest::mouseClick(yes, Qt::LeftButton, {}, yes->mapFrom(confirmation, QPoint(127, 80)));
        });
        QTest::mouseClick(Main().Image9, Qt::LeftButton);
        ProcessEvents();
        const auto sheet = server_.ReadNewSheet(before);
        std::vector<QColor> colours;
        if (!sheet)
            return colours;
        for (int y = 1; y < 6; ++y)
            for (int x = 1; x < 8; ++x)
                colours.push_back(sheet->ColourAt(page::BoxLeft + x * Width / 8 * MmPerPixel,
                                                  page::BoxTop + y * Height / 6 * MmPerPixel));
        return colours;
    }

    PrintServerClient server_;
};

double MeanDifference(const std::vector<QColor>& a, const std::vector<QColor>& b) {
    if (a.empty() || a.size() != b.size())
        return 255;
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += std::abs(a[i].red() - b[i].red()) + std::abs(a[i].green() - b[i].green()) +
               std::abs(a[i].blue() - b[i].blue());
    return sum / (3.0 * a.size());
}

TEST_F(PrintColours, TaggedPhotographsPrintInTheOriginalsColours) {
    const std::vector<std::uint8_t> source = PhotoPixels(Width, Height);
    Write("srgb.jpg", SrgbJpeg(source, Width, Height));
    struct Tagged {
        const char* file;
        std::string profile;
        double limit;
    };
    const Tagged versions[] = {{"adobe.jpg", AdobeRgbProfile, 3},
                               {"prophoto.jpg", ProPhotoProfile, 3},
                               {"cmyk.jpg", PressCmykProfile, 8}};
    std::vector<TestEntry> entries = {
        {"srgb", "Hely", "Idő", {}, {{"srgb.jpg", 0, 0}, {"srgb.jpg", 0, 0}}}};
    for (const Tagged& version : versions) {
        Write(version.file, TaggedJpeg(source, Width, Height, ReadProfile(version.profile)));
        entries.push_back(
            {version.file, "Hely", "Idő", {}, {{version.file, 0, 0}, {"srgb.jpg", 0, 0}}});
    }
    WriteCatalogue(entries);
    StartProgram();
    const std::vector<QColor> original = PrintedColours();
    ASSERT_FALSE(original.empty());

    // A wide-gamut screen from here on: the screen shows other numbers, paper must not.
    ASSERT_TRUE(SetScreenProfile(ReadProfile(AdobeRgbProfile)));
    for (const Tagged& version : versions) {
        SCOPED_TRACE(version.file);
        QTest::keyClick(Main().ListBox1, Qt::Key_Down);
        ProcessEvents();
        EXPECT_LE(MeanDifference(PrintedColours(), original), version.limit);
    }
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

} // namespace

// A catalogue folder's own pages in the real windows: shown in place of the built-in pictures,
// a record past fifteen with its page, backgrounds that keep their windows' shapes and click
// areas; a page that cannot be shown is reported and the built-in picture stays.

#include "catalogue/catalogue.h"
#include "core/files.h"
#include "pictures/pictures.h"
#include "shell/errorreport.h"
#include "skin/skin.h"
#include "tests/core/tempfolder.h"
#include "tests/windows/windowstesting.h"
#include "windows/tform3.h"
#include "windows/tform6.h"
#include "windows/tform7.h"
#include "windows/tform8.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor Blue(20, 90, 200), Red(200, 40, 30), Green(30, 160, 60), Grey(90, 90, 90);

std::string PagePicture(int width, int height, const QColor& colour) {
    std::vector<std::uint8_t> rgb(std::size_t(width) * height * 3);
    for (std::size_t i = 0; i < rgb.size(); i += 3)
        rgb[i] = colour.red(), rgb[i + 1] = colour.green(), rgb[i + 2] = colour.blue();
    const auto jpeg = EncodeJpeg(rgb.data(), width, height, false, 90);
    return {jpeg.begin(), jpeg.end()};
}

// What the window shows at a point of its client area.
::testing::AssertionResult Shows(QWidget& form, QPoint at, const QColor& colour) {
    const QColor shown = form.grab().toImage().pixelColor(at);
    if (std::abs(shown.red() - colour.red()) <= 8 &&
        std::abs(shown.green() - colour.green()) <= 8 &&
        std::abs(shown.blue() - colour.blue()) <= 8)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "shows " << shown.name().toStdString() << " at " << at.x() << ", " << at.y();
}

void Click(QWidget& control) {
    QTest::mouseClick(&control, Qt::LeftButton);
}

// The windows started in a catalogue folder that brings pages of its own.
class OwnPages : public testing::Test {
protected:
    void SetUp() override {
        started_ = files::CurrentDirectory();
        ASSERT_TRUE(files::SetCurrentDirectory(folder_.Path()));
        SetReportSink([this](const std::string& text) { reports_.push_back(text); });
    }
    void TearDown() override {
        SetReportSink(nullptr);
        files::SetCurrentDirectory(started_);
        TheCatalogue() = Catalogue();
    }

    TempFolder folder_;
    std::string started_;
    std::vector<std::string> reports_;
};

TEST_F(OwnPages, DescriptionsOfRecordsPastFifteenAndTheBuiltInPageWhereOneFails) {
    folder_.Write("pages/description-16.jpg", PagePicture(715, 415, Blue));
    folder_.Write("pages/description-3.jpg", "\xFF\xD8\xFF not a picture");
    Catalogue& catalogue = TheCatalogue();
    catalogue = Catalogue();
    catalogue.RecordCount = 20;
    ResetListIndexMap(catalogue);

    TForm3 form(FakeContext());
    auto open = [&](int row, const std::function<void()>& check) {
        fake::selectedRow = row;
        const ModalRun run = RunModal(form, [&] {
            check();
            Click(ControlOf(form, "Image_ok"));
        });
        EXPECT_FALSE(run.leftOpen);
    };
    open(15, [&] {
        EXPECT_TRUE(form.OwnPage().isVisible());
        EXPECT_EQ(form.OwnPage().geometry(), QRect(19, 52, 715, 415));
        EXPECT_TRUE(Shows(form, {400, 300}, Blue));
    });
    open(2, [&] {
        EXPECT_TRUE(form.OwnPage().isHidden());
        EXPECT_TRUE(form.Page(3).isVisible());
    });
    ASSERT_EQ(reports_.size(), 1u);
    // Reported as the entries' pictures are: the decoder's own message.
    EXPECT_EQ(reports_[0].rfind("JPEG error #", 0), 0u) << reports_[0];
    open(3, [&] {
        EXPECT_TRUE(form.OwnPage().isHidden());
        EXPECT_TRUE(form.Page(4).isVisible());
    });
    EXPECT_EQ(reports_.size(), 1u);
}

TEST_F(OwnPages, TheIntroductionShowsBothItsPages) {
    folder_.Write("pages/introduction-1.jpg", PagePicture(713, 409, Red));
    folder_.Write("pages/introduction-2.jpg", PagePicture(721, 369, Green));
    TForm8 form;
    const ModalRun run = RunModal(form, [&] {
        EXPECT_TRUE(Shows(form, {300, 200}, Red));
        Click(ControlOf(form, "next"));
        EXPECT_TRUE(Shows(form, {700, 380}, Green));
        Click(ControlOf(form, "ok"));
    });
    EXPECT_FALSE(run.leftOpen);
    EXPECT_TRUE(reports_.empty());
}

TEST_F(OwnPages, BackgroundsKeepTheShapeAndTheClickAreasAndOneOfTheWrongSizeIsRefused) {
    folder_.Write("pages/splash.jpg", PagePicture(800, 653, Grey));
    folder_.Write("pages/about.jpg", PagePicture(698, 480, Blue));
    TForm6 splash;
    TForm7 about;
    const QRegion shape = splash.mask();
    for (const auto& [form, area] :
         {std::pair<TForm*, const char*>{&splash, "Image1"}, {&about, "Image2"}}) {
        const ModalRun run = RunModal(*form, [&] {
            EXPECT_TRUE(Shows(*form, {30, 30}, form == &splash ? Grey : Blue));
            Click(ControlOf(*form, area));
        });
        EXPECT_FALSE(run.leftOpen) << area;
    }
    EXPECT_EQ(splash.mask(), shape);
    EXPECT_TRUE(reports_.empty());

    folder_.Write("pages/about.jpg", PagePicture(640, 480, Blue));
    TForm7 builtIn;
    RunModal(builtIn, [&] { EXPECT_TRUE(Shows(builtIn, {30, 30}, QColor(240, 224, 199))); });
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_NE(reports_[0].find("is 640 x 480 pixels; the window's background must be 698 x 480"),
              std::string::npos)
        << reports_[0];
}

} // namespace

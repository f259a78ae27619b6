// Whole prints of the print page on a real printer: the private server's PDF printer, the
// sheet read back from its PDF at 10 pixels a millimetre.

#include "errors.h"
#include "pagechecks.h"
#include "printtestsupport.h"
#include "reportelements.h"
#include "tform4.h"

#include <gtest/gtest.h>

namespace {

class PrintPage : public PrinterTest {
protected:
    PrintOutcome Print(const std::string& caption, std::unique_ptr<TGraphic> picture) {
        page_.QRLabel1().SetCaption(caption);
        page_.QRImage1().Picture().SetGraphic(std::move(picture));
        return page_.QuickRep1().Print();
    }

    TForm4 page_;
};

TEST_F(PrintPage, TitleAndPictureOnOneSheet) {
    ProgressSeen progress;
    const auto page = PrintAndRead([&] {
        WatchProgressWindow(progress);
        EXPECT_EQ(Print("HEKTOR", JpegPicture(CheckerPicture(529, 450))), PrintOutcome::Sent);
    });
    ASSERT_TRUE(page);
    // 529 x 450 at 96 dpi: 139.96 x 119.06 mm from 14.23, 24.82 mm, white to the right and below.
    ExpectPicturePrinted(*page, {529, 450}, 96, 0.2);
    ExpectCapitalsCaption(*page, 0.2);
    EXPECT_TRUE(page->IsBlank({0, 0, 210, 14})) << "ink above the caption";
    EXPECT_TRUE(page->IsBlank({0, page::BoxBottom + 0.3, 210, 100})) << "ink below the box";

    EXPECT_TRUE(progress.shown && progress.hasBar && progress.hasCancel)
        << "progress window shown " << progress.shown << ", bar " << progress.hasBar << ", Cancel "
        << progress.hasCancel;
    EXPECT_FALSE(ProgressWindowVisible()) << "the progress window stayed up";
}

TEST_F(PrintPage, SecondPrintShowsOnlyItsOwnTitleAndPicture) {
    // A 255-character title and a picture larger than the box, then a short title and a
    // small picture on the same page object.
    std::string title;
    while (title.size() < 255)
        title += "Balatonf\xFCredi szanat\xF3rium ";
    title.resize(255);
    const auto first = PrintAndRead([&] { Print(title, JpegPicture(CheckerPicture(800, 700))); });
    ASSERT_TRUE(first);
    ExpectPicturePrinted(*first, {800, 700}, 96, 0.2);
    const auto caption = first->InkBounds(page::CaptionRow.adjusted(0, 0, 10, 0));
    ASSERT_TRUE(caption);
    EXPECT_GT(caption->right(), 205.0) << "the long title stops short of the paper's edge";
    EXPECT_LT(caption->height(), 7.5) << "the long title wrapped";

    const auto second =
        PrintAndRead([&] { Print("HEKTOR", JpegPicture(CheckerPicture(529, 450))); });
    ASSERT_TRUE(second);
    ExpectPicturePrinted(*second, {529, 450}, 96, 0.2);
    ExpectCapitalsCaption(*second, 0.2);
    EXPECT_TRUE(second->IsBlank({60, 10, 150, page::BoxTop - 10.5}))
        << "something of the long title is left";
}

TEST_F(PrintPage, UndecodablePictureLeavesTheBoxEmpty) {
    PrintOutcome outcome = PrintOutcome::Cancelled;
    const auto page =
        PrintAndRead([&] { outcome = Print("HEKTOR", UndecodableJpegPicture(529, 450)); });
    EXPECT_EQ(outcome, PrintOutcome::Sent);
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->IsBlank(page::Box));
    ExpectCapitalsCaption(*page, 0.2);
}

TEST_F(PrintPage, NoPictureAtAllPrintsTheTitle) {
    const auto page = PrintAndRead([&] { Print("HEKTOR", nullptr); });
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->IsBlank(page::Box));
    ExpectCapitalsCaption(*page, 0.2);
}

TEST_F(PrintPage, CancelBeforeSendingPrintsNothing) {
    const int jobs = server_.JobCount();
    ProgressSeen progress;
    WatchProgressWindow(progress, true);
    EXPECT_EQ(Print("HEKTOR", JpegPicture(CheckerPicture(529, 450))), PrintOutcome::Cancelled);
    EXPECT_TRUE(progress.hasCancel);
    EXPECT_EQ(server_.JobCount(), jobs);
    EXPECT_FALSE(ProgressWindowVisible());
}

struct Failure {
    const char* name;
    const char* state;
    const char* message;
};

void PrintTo(const Failure& failure, std::ostream* os) {
    *os << failure.name;
}

class PrinterMissing : public PrintPage, public testing::WithParamInterface<Failure> {};

TEST_P(PrinterMissing, RaisesAndPrintsNothing) {
    server_.SetState(GetParam().state);
    const int jobs = server_.JobCount();
    try {
        Print("HEKTOR", JpegPicture(CheckerPicture(64, 64)));
        ADD_FAILURE() << "printed without a default printer";
    } catch (const EPrinter& error) {
        EXPECT_EQ(error.Message(), GetParam().message);
    }
    EXPECT_FALSE(ProgressWindowVisible());
    EXPECT_EQ(server_.JobCount(), jobs);
}

INSTANTIATE_TEST_SUITE_P(
    States, PrinterMissing,
    testing::Values(Failure{"NoDefault", "nodefault",
                            "There is no default printer currently selected"},
                    // Silence here would report a print that never happened as done.
                    Failure{"NoneInstalled", "none", "No printer is installed"}),
    [](const testing::TestParamInfo<Failure>& info) { return info.param.name; });

} // namespace

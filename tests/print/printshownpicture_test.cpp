// Printing from the running program: the main window's print button, the confirmation's yes
// area, and the sheet that comes out of the private server's PDF printer.

#include "application.h"
#include "jpegencoder.h"
#include "pagechecks.h"
#include "printserverclient.h"
#include "program_fixture.h"
#include "tform.h"
#include "tform1.h"
#include "timage.h"
#include "tlistbox.h"

#include <QTest>
#include <QTimer>
#include <fstream>

namespace {

// The confirmation's painted faces, in its client coordinates.
const QPoint YesFace(127, 80);
const QPoint NoFace(204, 80);

class PrintFromProgram : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        server_.SetState("default");
        ASSERT_EQ(server_.CheckIsPrivate(), "") << "refusing to print";
    }

    void TearDown() override {
        ProgramTest::TearDown();
        server_.SetState("default");
    }

    // Two entries: a 529 x 450 picture and one larger than the print box.
    void StartWithTwoEntries() {
        WriteCatalogue({EntryWithPictures("HEKTOR", "hektor", 1, 529, 450),
                        EntryWithPictures("KAPOLNA", "kapolna", 1, 800, 700)});
        WriteChecker("images/hektor1.jpg", 529, 450);
        WriteChecker("images/kapolna1.jpg", 800, 700);
        StartProgram();
    }

    void WriteChecker(const std::string& relativePath, int width, int height) {
        const QImage rgb = CheckerPicture(width, height).convertToFormat(QImage::Format_RGB888);
        std::vector<std::uint8_t> pixels;
        for (int y = 0; y < height; ++y)
            pixels.insert(pixels.end(), rgb.constScanLine(y), rgb.constScanLine(y) + width * 3);
        const auto bytes = EncodeJpeg(pixels.data(), width, height, false, 95);
        std::ofstream(folder_ / relativePath, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    // Clicks the main window's print button and, once the confirmation is up, its yes face;
    // when the confirmation is still open after that, notes it and answers no.
    void PrintThroughConfirmation() {
        confirmationStayedOpen_ = false;
        QTimer::singleShot(0, [this] {
            TForm* confirmation = Form(5);
            if (!confirmation || !confirmation->isVisible())
                return;
            Click(*confirmation, YesFace);
            // A closed confirmation is hidden once its modal display has ended.
            QTimer::singleShot(0, [this, confirmation] {
                if (confirmation->isVisible()) {
                    confirmationStayedOpen_ = true;
                    Click(*confirmation, NoFace);
                }
            });
        });
        QTest::mouseClick(Main().Image9, Qt::LeftButton);
        ProcessEvents();
        EXPECT_FALSE(Form(5)->isVisible());
    }

    static void Click(QWidget& window, QPoint at) {
        QWidget* target = window.childAt(at);
        ASSERT_NE(target, nullptr) << "nothing to click at " << at.x() << ", " << at.y();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window, at));
    }

    std::optional<PageImage> PrintAndRead() {
        const auto before = server_.Pdfs();
        PrintThroughConfirmation();
        EXPECT_FALSE(confirmationStayedOpen_) << "the confirmation stayed open";
        const auto pdf = server_.WaitForNewPdf(before, std::chrono::seconds(120));
        if (pdf.empty()) {
            ADD_FAILURE() << "no PDF arrived from the printer";
            return std::nullopt;
        }
        EXPECT_EQ(PrintServerClient::PageCount(pdf), 1);
        return PageImage(PrintServerClient::RenderFirstPage(pdf), 10);
    }

    PrintServerClient server_;
    bool confirmationStayedOpen_ = false;
};

TEST_F(PrintFromProgram, YesPrintsTheSelectedEntryThenClosesEachTime) {
    StartWithTwoEntries();
    const auto first = PrintAndRead();
    ASSERT_TRUE(first);
    ExpectCapitalsCaption(*first, 0.2);
    ExpectPicturePrinted(*first, {529, 450}, 96, 0.2);

    // The user moves to the second entry; the next sheet has its own title and picture.
    QTest::keyClick(Main().ListBox1, Qt::Key_Down);
    ProcessEvents();
    const auto second = PrintAndRead();
    ASSERT_TRUE(second);
    ExpectCapitalsCaption(*second, 0.2);
    ExpectPicturePrinted(*second, {800, 700}, 96, 0.2);
    const auto firstTitle = first->InkBounds(page::CaptionRow);
    const auto secondTitle = second->InkBounds(page::CaptionRow);
    ASSERT_TRUE(firstTitle && secondTitle);
    EXPECT_GT(secondTitle->width(), firstTitle->width() + 2) << "KAPOLNA is the wider title";
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

TEST_F(PrintFromProgram, NoSelectedRowPrintsAnEmptyCaption) {
    StartWithTwoEntries();
    Main().ListBox1->SelectRow(-1);
    const auto page = PrintAndRead();
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->IsBlank(page::CaptionRow));
    ExpectPicturePrinted(*page, {529, 450}, 96, 0.2);
}

struct Failure {
    const char* name;
    const char* state;
    const char* report;
};

void PrintTo(const Failure& failure, std::ostream* os) {
    *os << failure.name;
}

class PrintFromProgramFails : public PrintFromProgram,
                              public testing::WithParamInterface<Failure> {};

TEST_P(PrintFromProgramFails, ReportsAndLeavesTheConfirmationOpen) {
    StartWithTwoEntries();
    server_.SetState(GetParam().state);
    const int jobs = server_.JobCount();
    PrintThroughConfirmation();
    EXPECT_TRUE(confirmationStayedOpen_);
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0], GetParam().report);
    EXPECT_EQ(server_.JobCount(), jobs);
}

INSTANTIATE_TEST_SUITE_P(
    States, PrintFromProgramFails,
    testing::Values(Failure{"NoDefault", "nodefault",
                            "There is no default printer currently selected."},
                    Failure{"NoneInstalled", "none", "No printer is installed."}),
    [](const testing::TestParamInfo<Failure>& info) { return info.param.name; });

} // namespace

// Printing from the running program: the main window's print button, the confirmation's yes
// face, and the sheet that comes out of the private server's PDF printer.

#include "app/windowset.h"
#include "mainwindow/tform1.h"
#include "pictures/pictures.h"
#include "shell/application.h"
#include "skin/skin.h"
#include "skin/tform.h"
#include "tests/mainwindow/program_fixture.h"
#include "tests/print/printserverclient.h"

#include <QTest>
#include <QTimer>
#include <fstream>

namespace {

// The confirmation's painted faces, in its client coordinates.
const QPoint YesFace(127, 80), NoFace(204, 80);

std::string LongTitle() {
    std::string title;
    while (title.size() < 255)
        title += "Balatonfüredi szanatórium ";
    return title.substr(0, title.rfind(' ', 250));
}

class PrintFromProgram : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        server_.SetState("default");
        ASSERT_EQ(server_.CheckIsPrivate(), "") << "refusing to print";
    }

    // A long title over a picture larger than the print box, then a short one over a
    // 529 x 450 picture.
    void StartWithTwoEntries() {
        WriteCatalogue({EntryWithPictures(LongTitle(), "nagy", 1, 800, 700),
                        EntryWithPictures("HEKTOR", "kicsi", 1, 529, 450)});
        WriteChecker("images/nagy1.jpg", 800, 700);
        WriteChecker("images/kicsi1.jpg", 529, 450);
        StartProgram();
    }

    void WriteChecker(const std::string& relativePath, int width, int height) {
        const auto bytes = JpegOf(CheckerPicture(width, height));
        std::ofstream(folder_ / relativePath, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    // The print button, then the yes face once the confirmation is up; a confirmation still
    // open after that (it is hidden once its modal display ends) is noted and answered no.
    void PrintThroughConfirmation() {
        stayedOpen_ = false;
        QTimer::singleShot(0, [this] {
            TForm* confirmation = Form(Window::PrintConfirmation);
            Click(*confirmation, YesFace);
            QTimer::singleShot(0, [this, confirmation] {
                if ((stayedOpen_ = confirmation->isVisible()))
                    Click(*confirmation, NoFace);
            });
        });
        QTest::mouseClick(Main().Image9, Qt::LeftButton);
        ProcessEvents();
        EXPECT_FALSE(Form(Window::PrintConfirmation)->isVisible());
    }

    static void Click(QWidget& window, QPoint at) {
        QWidget* target = window.childAt(at);
        ASSERT_NE(target, nullptr) << "nothing to click at " << at.x() << ", " << at.y();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window, at));
    }

    std::optional<PageImage> PrintAndRead() {
        const auto before = server_.Pdfs();
        PrintThroughConfirmation();
        EXPECT_FALSE(stayedOpen_) << "the confirmation stayed open";
        return server_.ReadNewSheet(before);
    }

    PrintServerClient server_;
    bool stayedOpen_ = false;
};

TEST_F(PrintFromProgram, YesPrintsTheSelectedEntryThenClosesEachTime) {
    StartWithTwoEntries();
    const auto first = PrintAndRead();
    ASSERT_TRUE(first);
    ExpectPicturePrinted(*first, {800, 700});
    // The long title runs on one line past the right margin to the paper's edge.
    const auto title = first->InkBounds(page::CaptionRow.adjusted(0, 0, 10, 0));
    ASSERT_TRUE(title);
    EXPECT_GT(title->right(), 205.0);
    EXPECT_LT(title->height(), 7.5);

    // The user moves to the second entry; nothing of the first stays on the next sheet.
    QTest::keyClick(Main().ListBox1, Qt::Key_Down);
    ProcessEvents();
    const auto second = PrintAndRead();
    ASSERT_TRUE(second);
    ExpectCapitalsCaption(*second);
    ExpectPicturePrinted(*second, {529, 450});
    EXPECT_TRUE(second->IsBlank({60, 10, 150, page::BoxTop - 10.5}));
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

TEST_F(PrintFromProgram, NoSelectedRowPrintsTheShownEntrysTitle) {
    // A row without an entry acts on the entry the view shows: the long title over its picture.
    StartWithTwoEntries();
    Main().ListBox1->SelectRow(-1);
    const auto sheet = PrintAndRead();
    ASSERT_TRUE(sheet);
    const auto title = sheet->InkBounds(page::CaptionRow.adjusted(0, 0, 10, 0));
    ASSERT_TRUE(title);
    EXPECT_GT(title->right(), 205.0);
    ExpectPicturePrinted(*sheet, {800, 700});
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

TEST_P(PrintFromProgramFails, ReportsPrintsNothingAndLeavesTheConfirmationOpen) {
    StartWithTwoEntries();
    server_.SetState(GetParam().state);
    const int jobs = server_.JobCount();
    PrintThroughConfirmation();
    EXPECT_TRUE(stayedOpen_);
    EXPECT_EQ(reports_, std::vector<std::string>{GetParam().report});
    EXPECT_EQ(server_.JobCount(), jobs);
}

INSTANTIATE_TEST_SUITE_P(
    States, PrintFromProgramFails,
    testing::Values(Failure{"NoDefault", "nodefault",
                            "There is no default printer currently selected."},
                    // Silence here would report a print that never happened as done.
                    Failure{"NoneInstalled", "none", "No printer is installed."}),
    [](const testing::TestParamInfo<Failure>& test) { return test.param.name; });

} // namespace

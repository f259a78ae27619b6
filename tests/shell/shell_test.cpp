// The shell on real widgets: placement, modal display, the error report and the title rule.

#include "core/errors.h"
#include "shell/application.h"
#include "shell/errorreport.h"
#include "skin/tform.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// Allocations made while it lives are not reported as leaks (a no-op without the checker).
struct LeaksIgnored {
#if defined(__SANITIZE_ADDRESS__)
    LeaksIgnored() {
        __lsan_disable();
    }
    ~LeaksIgnored() {
        __lsan_enable();
    }
#endif
};
class RecordingTest : public testing::Test {
protected:
    void SetUp() override {
        SetReportSink([this](const std::string& text) { reports.push_back(text); });
    }
    void TearDown() override { SetReportSink(nullptr); }
    std::vector<std::string> reports;
};

class ThrowingForm : public TForm {
public:
    using TForm::TForm;
    std::function<void()> onShow;
    int closes = 0;

protected:
    void FormShow() override {
        if (onShow)
            onShow();
    }
    void FormClose() override { ++closes; }
};

QSize ScreenSize() {
    return QGuiApplication::primaryScreen()->geometry().size();
}
} // namespace

TEST(ApplicationTitle, FromTheProgramFileName) {
    EXPECT_EQ(TitleFromProgramPath("C:\\KIOSK\\Vendral.exe"), "Vendral");
    EXPECT_EQ(TitleFromProgramPath("C:\\KIOSK\\VENDRAL.EXE"), "Vendral");
    EXPECT_EQ(TitleFromProgramPath("/usr/local/bin/vendral"), "vendral");
    EXPECT_EQ(TitleFromProgramPath("a.b.c"), "a");
}

TEST(ReportText, AppendsAPeriodAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(ReportText("File not found"), "File not found.");
    EXPECT_EQ(ReportText("Done."), "Done.");
    EXPECT_EQ(ReportText("(x)"), "(x)");
    EXPECT_EQ(ReportText("Wow!"), "Wow!");
    EXPECT_EQ(ReportText("space "), "space ");
    EXPECT_EQ(ReportText(""), "");
    EXPECT_EQ(ReportText("x/"), "x/."); // '/' is 0x2F
}

using ErrorReportTest = RecordingTest;

TEST_F(ErrorReportTest, HandlersReportFailuresAndAbortIsSilent) {
    int stepsRun = 0;
    RunHandler([&] {
        ++stepsRun;
        throw EInOutError(2);
    });
    RunHandler([&] { throw EAbort("quiet"); });
    RunHandler([&] { throw EJPEG(52); });
    EXPECT_EQ(stepsRun, 1);
    EXPECT_EQ(reports, (std::vector<std::string>{"File not found.", "JPEG error #52."}));
}

TEST_F(ErrorReportTest, CodePageTextIsShownAsUnicode) {
    RunHandler([] { throw EFOpenError("Cannot open file ./images/k\xE9p.jpg"); });
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "Cannot open file ./images/kép.jpg.");
}

TEST_F(ErrorReportTest, EscapesFromWidgetEventsReachTheReport) {
    // Any handler an event reaches, even one outside RunHandler, ends in the report: the last
    // resort. Unwinding through the toolkit's event delivery loses a little of its bookkeeping,
    // which is why the program's own handlers catch first; the leak checker is told here.
    class Failing : public QWidget {
    protected:
        void keyPressEvent(QKeyEvent*) override {
            throw EInvalidGraphic("Bitmap image is not valid");
        }
    } widget;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    {
        [[maybe_unused]] LeaksIgnored expected;
        QCoreApplication::sendEvent(&widget, &press);
    }
    EXPECT_EQ(reports, std::vector<std::string>{"Bitmap image is not valid."});
}

using Placement = RecordingTest;

TEST_F(Placement, CentredTheFirstTimeThenWhereItWasLeft) {
    ThrowingForm form("TForm7", QSize(706, 490), TForm::Placement::Centred);
    const QSize screen = ScreenSize();
    EXPECT_EQ(form.FirstPlacement(), QPoint(std::max(0, (screen.width() - 706) / 2),
                                            std::max(0, (screen.height() - 490) / 2)));
    QTimer::singleShot(0, [&] {
        form.move(5, 7); // as a drag would
        form.Close();
    });
    form.ShowModal();
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(form.pos(), QPoint(5, 7));
        form.Close();
    });
    form.ShowModal();
    EXPECT_EQ(form.closes, 2);
}

TEST_F(Placement, LargerThanTheScreenStaysAtTheOrigin) {
    const QSize screen = ScreenSize();
    ThrowingForm form("TForm1", screen + QSize(100, 40), TForm::Placement::Centred);
    EXPECT_EQ(form.FirstPlacement(), QPoint(0, 0));
    ThrowingForm fixed("TForm5", QSize(372, 154), TForm::Placement::Fixed, QPoint(369, 277));
    EXPECT_EQ(fixed.FirstPlacement(), QPoint(369, 277));
}

using ModalDisplay = RecordingTest;

TEST_F(ModalDisplay, RefusesAVisibleWindow) {
    ThrowingForm form("TForm2", QSize(360, 143), TForm::Placement::Centred);
    form.show();
    EXPECT_THROW(
        {
            try {
                form.ShowModal();
            } catch (const EInvalidOperation& refusal) {
                EXPECT_STREQ(refusal.what(), "Cannot make a visible window modal");
                throw;
            }
        },
        EInvalidOperation);
    form.hide();
}

TEST_F(ModalDisplay, ShowHandlerFailureIsReportedAndTheWindowStillShows) {
    ThrowingForm form("TForm3", QSize(757, 535), TForm::Placement::Centred);
    form.onShow = [] { throw EFOpenError("Cannot open file x.jpg"); };
    bool visibleWhileModal = false;
    QTimer::singleShot(0, [&] {
        visibleWhileModal = form.isVisible();
        form.Close();
    });
    EXPECT_EQ(form.ShowModal(), 2);
    EXPECT_TRUE(visibleWhileModal);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(reports, std::vector<std::string>{"Cannot open file x.jpg."});
}

TEST_F(ModalDisplay, OtherWindowsTakeNoInputWhileOneIsModal) {
    ThrowingForm main("TForm1", QSize(300, 200), TForm::Placement::Centred);
    main.Show();
    ThrowingForm modal("TForm2", QSize(100, 50), TForm::Placement::Centred);
    bool mainBlocked = false;
    QTimer::singleShot(0, [&] {
        mainBlocked = QGuiApplication::modalWindow() == modal.windowHandle();
        modal.Close();
    });
    modal.ShowModal();
    EXPECT_TRUE(mainBlocked);
}

#include "catalogue/catalogue.h"
#include "pictures/pictures.h"
#include "shell/errorreport.h"
#include "skin/skin.h"
#include "tests/windows/windowstesting.h"
#include "windows/tform2.h"
#include "windows/tform3.h"
#include "windows/tform5.h"
#include "windows/tform6.h"
#include "windows/tform7.h"
#include "windows/tform8.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void Click(QWidget& control) {
    QTest::mouseClick(&control, Qt::LeftButton);
}

// The facts every secondary window carries: its size, its place, its shape and background.
struct WindowFacts {
    const char* formClass;
    std::unique_ptr<TForm> (*create)();
    QSize clientSize;
    QSize background;
    QPoint firstPlace; // on the offscreen platform's 800 x 800 screen
};

const WindowFacts kWindows[] = {
    {"TForm2", Make<TForm2>, {360, 143}, {340, 120}, {220, 328}},
    {"TForm3", Make<TForm3>, {757, 535}, {750, 520}, {21, 132}},
    {"TForm5", Make<TForm5>, {372, 154}, {340, 120}, {369, 277}},
    // Wider than the screen: left would be negative and stays 0.
    {"TForm6", Make<TForm6>, {817, 670}, {800, 653}, {0, 65}},
    {"TForm7", Make<TForm7>, {706, 490}, {698, 480}, {47, 155}},
    {"TForm8", Make<TForm8>, {789, 567}, {750, 520}, {220, 84}},
};

class SecondaryWindow : public testing::TestWithParam<WindowFacts> {};

TEST_P(SecondaryWindow, IsASkinnedBorderlessWindowOfItsSizeShapeAndPlace) {
    const WindowFacts& facts = GetParam();
    std::unique_ptr<TForm> form = facts.create();
    EXPECT_EQ(form->objectName(), facts.formClass);
    EXPECT_EQ(form->size(), facts.clientSize);
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(form->isHidden());

    auto* skin = form->findChild<TCoolForm*>("CoolForm1");
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->geometry(), QRect(QPoint(0, 0), facts.clientSize));
    EXPECT_EQ(QSize(skin->Picture().Width(), skin->Picture().Height()), facts.background);
    // Background columns 1 … W−2 and rows 0 … H−1 only.
    const QRegion shape(1, 0, facts.background.width() - 2, facts.background.height());
    EXPECT_EQ(form->mask(), shape);
    ASSERT_TRUE(skin->Mask().Region().has_value());
    EXPECT_EQ(*skin->Mask().Region(), shape);

    EXPECT_EQ(form->FirstPlacement(), facts.firstPlace);
    const ModalRun run = RunModal(
        *form, [&] { EXPECT_EQ(form->pos(), facts.firstPlace); }, 0);
    EXPECT_TRUE(run.leftOpen);
    EXPECT_EQ(run.result, 2);
    EXPECT_TRUE(form->isHidden());
}

INSTANTIATE_TEST_SUITE_P(All, SecondaryWindow, testing::ValuesIn(kWindows),
                         [](const auto& test) { return std::string(test.param.formClass); });

struct ClickArea {
    const char* formClass;
    std::unique_ptr<TForm> (*create)();
    const char* name;
    QRect rect;
    Qt::CursorShape cursor;
};

const ClickArea kAreas[] = {
    {"TForm6", Make<TForm6>, "Image1", {64, 160, 489, 329}, Qt::PointingHandCursor},
    {"TForm8", Make<TForm8>, "prev", {324, 471, 12, 25}, Qt::PointingHandCursor},
    {"TForm8", Make<TForm8>, "ok", {348, 471, 53, 25}, Qt::PointingHandCursor},
    {"TForm8", Make<TForm8>, "next", {415, 471, 12, 25}, Qt::PointingHandCursor},
    {"TForm2", Make<TForm2>, "Image1", {144, 68, 49, 25}, Qt::PointingHandCursor},
    {"TForm5", Make<TForm5>, "Image1", {103, 68, 49, 25}, Qt::PointingHandCursor},
    {"TForm5", Make<TForm5>, "Image2", {180, 68, 49, 25}, Qt::PointingHandCursor},
    // The one area of the program that keeps the arrow.
    {"TForm7", Make<TForm7>, "Image2", {310, 432, 57, 25}, Qt::ArrowCursor},
    {"TForm3", Make<TForm3>, "Image_ok", {359, 472, 57, 25}, Qt::PointingHandCursor},
};

class ClickAreas : public testing::TestWithParam<ClickArea> {};

TEST_P(ClickAreas, LieOverTheirFacesWithTheirCursorAndNoPicture) {
    const ClickArea& area = GetParam();
    std::unique_ptr<TForm> form = area.create();
    auto* image = form->findChild<TImage*>(area.name);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), area.rect);
    EXPECT_EQ(image->cursor().shape(), area.cursor);
    EXPECT_EQ(image->Picture().Graphic(), nullptr);
    EXPECT_TRUE(image->toolTip().isEmpty());
    // Nothing but the skin lies beneath; nothing above takes its clicks.
    EXPECT_EQ(form->childAt(area.rect.center()), image);
}

INSTANTIATE_TEST_SUITE_P(All, ClickAreas, testing::ValuesIn(kAreas), [](const auto& test) {
    return std::string(test.param.formClass) + "_" + test.param.name;
});

TEST(CloseAreas, EachClosesItsWindowThroughTheModalDisplay) {
    TForm2 noHits;
    TForm6 splash;
    TForm7 about;
    TForm3 description(FakeContext());
    const std::pair<TForm*, const char*> closers[] = {
        {&noHits, "Image1"}, {&splash, "Image1"}, {&about, "Image2"}, {&description, "Image_ok"}};
    for (const auto& [form, area] : closers) {
        const ModalRun run = RunModal(*form, [&] { Click(ControlOf(*form, area)); });
        EXPECT_FALSE(run.leftOpen) << form->objectName().toStdString() << " " << area;
        EXPECT_EQ(run.result, 2);
        EXPECT_TRUE(form->isHidden());
    }
}

TEST(Splash, ClosesOnlyByItsPhotograph) {
    TForm6 splash;
    auto& skin = *splash.findChild<TCoolForm*>("CoolForm1");
    const ModalRun run = RunModal(splash, [&] {
        QTest::mouseClick(&skin, Qt::LeftButton, {}, QPoint(700, 600));
        QTest::mouseClick(&skin, Qt::LeftButton, {}, QPoint(30, 30));
    });
    EXPECT_TRUE(run.leftOpen);
}

class PrintConfirmation : public testing::Test {
protected:
    void SetUp() override {
        fake::printCalls = 0;
        fake::printFails = false;
        SetReportSink([this](const std::string& text) { reports_.push_back(text); });
    }
    void TearDown() override {
        SetReportSink(nullptr);
        fake::printFails = false;
    }

    TForm5 form_{FakeContext()};
    std::vector<std::string> reports_;
};

TEST_F(PrintConfirmation, NoClosesWithoutPrintingAndYesPrintsOnceThenCloses) {
    const ModalRun no = RunModal(form_, [&] { Click(ControlOf(form_, "Image2")); });
    EXPECT_FALSE(no.leftOpen);
    EXPECT_EQ(fake::printCalls, 0);
    const ModalRun yes = RunModal(form_, [&] { Click(ControlOf(form_, "Image1")); });
    EXPECT_FALSE(yes.leftOpen);
    EXPECT_EQ(fake::printCalls, 1);
    EXPECT_TRUE(reports_.empty());
}

TEST_F(PrintConfirmation, AFailedPrintIsReportedAndLeavesTheQuestionOpen) {
    fake::printFails = true;
    const ModalRun failed = RunModal(form_, [&] { Click(ControlOf(form_, "Image1")); });
    EXPECT_TRUE(failed.leftOpen);
    EXPECT_EQ(fake::printCalls, 1);
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0], "Printer selected is not valid.");

    // Answered again, after the report.
    fake::printFails = false;
    const ModalRun retried = RunModal(form_, [&] { Click(ControlOf(form_, "Image1")); });
    EXPECT_FALSE(retried.leftOpen);
    EXPECT_EQ(fake::printCalls, 2);
}

class Introduction : public testing::Test {
protected:
    QRect Page(const char* name) { return ControlOf(form_, name).geometry(); }

    TForm8 form_;
};

TEST_F(Introduction, OpensOnPageOneWithPageTwoOutOfView) {
    EXPECT_EQ(Page("Image1"), QRect(17, 30, 713, 409));
    EXPECT_EQ(Page("Image2"), QRect(1000, 64, 721, 369));
    EXPECT_FALSE(ControlOf(form_, "Image2").isHidden()); // out of sight, never hidden
}

TEST_F(Introduction, NextThenPrevBringsPageOneBackOnePixelFurtherLeft) {
    RunModal(form_, [&] {
        Click(ControlOf(form_, "next"));
        EXPECT_EQ(Page("Image1"), QRect(1023, 30, 713, 409));
        EXPECT_EQ(Page("Image2"), QRect(16, 30, 721, 369));
        Click(ControlOf(form_, "next")); // changes nothing visible
        EXPECT_EQ(Page("Image2"), QRect(16, 30, 721, 369));
        Click(ControlOf(form_, "prev"));
        EXPECT_EQ(Page("Image1"), QRect(16, 30, 713, 409));
        EXPECT_EQ(Page("Image2"), QRect(1023, 30, 721, 369));
    });
}

TEST_F(Introduction, PrevAtOnceOnlyShiftsPageOne) {
    RunModal(form_, [&] { Click(ControlOf(form_, "prev")); });
    EXPECT_EQ(Page("Image1"), QRect(16, 30, 713, 409));
    EXPECT_GE(Page("Image2").left(), form_.width()); // still out of view
    EXPECT_EQ(Page("Image2").size(), QSize(721, 369));
}

TEST_F(Introduction, OkOnPageTwoClosesAndThePagesStayWhereTheyWere) {
    const ModalRun run = RunModal(form_, [&] {
        Click(ControlOf(form_, "next"));
        Click(ControlOf(form_, "ok"));
    });
    EXPECT_FALSE(run.leftOpen);
    RunModal(
        form_, [&] { EXPECT_EQ(Page("Image2"), QRect(16, 30, 721, 369)); }, 0);
}

// A catalogue of 20 records whose third lines name their record numbers.
class DescriptionWindow : public testing::Test {
protected:
    void SetUp() override {
        Catalogue& catalogue = TheCatalogue();
        catalogue = Catalogue();
        catalogue.RecordCount = 20;
        for (int k = 1; k <= 20; ++k)
            catalogue.CatalogueStore[k - 1].Line3 = "Olt\xE1r " + std::to_string(k) + " \xF5\xFB";
        ResetListIndexMap(catalogue);
        fake::selectedRow = -1;
    }
    void TearDown() override { TheCatalogue() = Catalogue(); }

    // Opens the window for the row, runs check while it is up, and closes it by its OK area.
    void OpenFor(int row, const std::function<void()>& check) {
        fake::selectedRow = row;
        const ModalRun run = RunModal(form_, [&] {
            EXPECT_TRUE(DescriptionShowing);
            check();
            Click(ControlOf(form_, "Image_ok"));
        });
        EXPECT_FALSE(run.leftOpen);
        EXPECT_FALSE(DescriptionShowing);
    }

    std::vector<int> ShownPages() const {
        std::vector<int> shown;
        for (int k = 1; k <= TForm3::PageCount; ++k)
            if (!form_.Page(k).isHidden())
                shown.push_back(k);
        return shown;
    }
    QString Heading() { return static_cast<TLabel&>(ControlOf(form_, "Label1")).ShownText(); }

    TForm3 form_{FakeContext()};
};

TEST_F(DescriptionWindow, ShowsTheHeadingAndThePageOfTheRecordNumber) {
    OpenFor(2, [&] {
        EXPECT_EQ(Heading(), QString::fromUtf8("Oltár 3 őű"));
        EXPECT_EQ(ShownPages(), std::vector<int>({3}));
        EXPECT_EQ(form_.Page(3).geometry(), QRect(19, 52, 715, 415));
    });
}

TEST_F(DescriptionWindow, PageTenGetsABoxFourHundredHigh) {
    OpenFor(9, [&] { EXPECT_EQ(form_.Page(10).geometry(), QRect(19, 52, 715, 400)); });
}

TEST_F(DescriptionWindow, TheRecordNumberNotTheRowChoosesThePage) {
    TheCatalogue().ListIndexMap[2] = 7; // a search hit on row 2 standing for record 7
    OpenFor(2, [&] {
        EXPECT_EQ(Heading(), QString::fromUtf8("Oltár 7 őű"));
        EXPECT_EQ(ShownPages(), std::vector<int>({7}));
    });
}

TEST_F(DescriptionWindow, RecordsPastFifteenShowTheHeadingAlone) {
    OpenFor(15, [&] {
        EXPECT_EQ(Heading(), QString::fromUtf8("Oltár 16 őű"));
        EXPECT_TRUE(ShownPages().empty());
    });
}

TEST_F(DescriptionWindow, NoRecordBehindTheSelectionShowsNothing) {
    OpenFor(-1, [&] {
        EXPECT_TRUE(Heading().isEmpty());
        EXPECT_TRUE(ShownPages().empty());
    });
    TheCatalogue().ListIndexMap[30] = 33; // a stale row past RecordCount
    OpenFor(30, [&] {
        EXPECT_TRUE(Heading().isEmpty());
        EXPECT_TRUE(ShownPages().empty());
    });
}

TEST_F(DescriptionWindow, EachOpeningShowsOnlyItsOwnPage) {
    // Page 4 is the one whose design place lies inside the window.
    OpenFor(2, [&] { EXPECT_EQ(ShownPages(), std::vector<int>({3})); });
    OpenFor(4, [&] { EXPECT_EQ(ShownPages(), std::vector<int>({5})); });
    OpenFor(3, [&] { EXPECT_EQ(ShownPages(), std::vector<int>({4})); });
}

TEST_F(DescriptionWindow, TheHeadingFollowsTheAmpersandRuleOnOneLine) {
    TheCatalogue().CatalogueStore[0].Line3 = "Szent Anna && Szent Joachim &olt\xE1ra";
    OpenFor(0, [&] {
        auto& label = static_cast<TLabel&>(ControlOf(form_, "Label1"));
        EXPECT_EQ(label.ShownText(), QString::fromUtf8("Szent Anna & Szent Joachim oltára"));
        EXPECT_EQ(label.pos(), QPoint(22, 24));
        EXPECT_EQ(label.font().pixelSize(), 20);
        EXPECT_TRUE(label.font().bold());
        EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(131, 81, 3));
    });
    TheCatalogue().CatalogueStore[0].Line3 = std::string(255, 'M');
    OpenFor(0, [&] {
        auto& label = static_cast<TLabel&>(ControlOf(form_, "Label1"));
        EXPECT_GT(label.width(), form_.width()); // cut by the window's edge, never wrapped
        EXPECT_LT(label.height(), 40);
    });
}

TEST_F(DescriptionWindow, TheUnseenButtonIsTheOnlyFocusableControl) {
    auto& button = static_cast<TButton&>(ControlOf(form_, "Button1"));
    EXPECT_EQ(button.geometry(), QRect(72, 1464, 75, 25));
    for (QWidget* child : form_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != &button) {
            EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << child->objectName().toStdString();
        }
    }
    OpenFor(0, [&] {
        EXPECT_FALSE(form_.rect().intersects(button.geometry()));
        EXPECT_TRUE(button.isVisible());
        EXPECT_EQ(form_.focusWidget(), &button);
    });
}

TEST_F(DescriptionWindow, TimerTicksWhileClosedLeaveTheFocusAlone) {
    QLineEdit elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    elsewhere.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    ASSERT_FALSE(DescriptionShowing);
    form_.Timer1Timer();
    QTest::qWait(350); // three ticks of its own
    EXPECT_EQ(QApplication::focusWidget(), &elsewhere);
    EXPECT_EQ(QApplication::activeWindow(), &elsewhere);
}

} // namespace

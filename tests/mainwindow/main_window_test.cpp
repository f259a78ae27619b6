// The main window driven whole: start-up, the picture view with its strip and arrows, the keys
// of the title list, and the failure rules, under the offscreen platform.

#include "tests/mainwindow/program_fixture.h"

#include "app/windowset.h"
#include "catalogue/catalogue.h"
#include "mainwindow/tform1.h"
#include "mainwindow/viewstate.h"
#include "pictures/pictures.h"
#include "shell/application.h"
#include "skin/skin.h"
#include "skin/tform.h"

#include <QTest>
#include <QTimer>

namespace {
// Notes the order in which the windows come on screen.
class ShowRecorder : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            watched->objectName().startsWith("TForm")) {
            shown.push_back(watched->objectName());
            mainVisibleAtShow.push_back(Form(Window::Main) && Form(Window::Main)->isVisible());
        }
        return false;
    }
    QStringList shown;
    std::vector<bool> mainVisibleAtShow;
};

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
}
} // namespace

using StartUp = ProgramTest;

TEST_F(StartUp, SplashThenIntroductionThenTheMainWindowWithTheFirstEntry) {
    ShowRecorder recorder;
    QCoreApplication::instance()->installEventFilter(&recorder);
    Start({EntryWithPictures("Első", "a", 2, 100, 60), EntryWithPictures("Második", "b", 1)});
    QCoreApplication::instance()->removeEventFilter(&recorder);

    ASSERT_GE(recorder.shown.size(), 3);
    EXPECT_EQ(recorder.shown.mid(0, 3), QStringList({"TForm6", "TForm8", "TForm1"}));
    EXPECT_FALSE(recorder.mainVisibleAtShow[0]);
    EXPECT_FALSE(recorder.mainVisibleAtShow[1]);
    EXPECT_TRUE(reports_.empty());

    EXPECT_EQ(Main().ListBox1->RowCount(), 2);
    EXPECT_EQ(Main().ListBox1->Row(0), QString::fromUtf8("Első"));
    EXPECT_EQ(Main().ListBox1->SelectedRow(), 0);
    // A 100 x 60 picture centred in the 529 x 450 area at 18, 20, the odd pixel to the right.
    EXPECT_EQ(Main().MainImage->geometry(), QRect(232, 215, 100, 60));
    EXPECT_TRUE(Main().MainImage->isVisible());
    EXPECT_EQ(View().CurrentPicturePath, "/images/a1.jpg");
    EXPECT_EQ(View().StartDirectory, folder_.string());
    // The focus starts in the search box.
    EXPECT_EQ(Main().focusWidget(), Main().Edit1);
}

TEST_F(StartUp, MissingCatalogueIsReportedAndTheDesignRowsStay) {
    StartProgram(); // no datas.dat
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0], "File not found.");
    ASSERT_EQ(Main().ListBox1->RowCount(), 3);
    EXPECT_EQ(Main().ListBox1->Row(2), "2");
    EXPECT_EQ(Main().ListBox1->SelectedRow(), -1);
    EXPECT_FALSE(Main().imageprev[0]->isVisible() && Main().imageprev[0]->Picture().Graphic());
    EXPECT_EQ(Main().Image5->Picture().Graphic(), nullptr);
}

TEST_F(StartUp, MissingFirstPictureLeavesTheAreaEmptyAndTheNextEntryShows) {
    TestEntry broken = EntryWithPictures("Hiányos", "missing", 1);
    broken.pictures[0].width = 0; // not written to disk
    Start({broken, EntryWithPictures("Ép", "ok", 3)});
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0], "Cannot open file ./images/missing1.jpg.");
    EXPECT_FALSE(Main().MainImage->isVisible());
    EXPECT_EQ(Main().ListBox1->SelectedRow(), 0);
    EXPECT_EQ(Main().Image5->Picture().Graphic(), nullptr); // the arrows draw nothing
    // Nothing to save yet: said so, with no dialog (one that opened would report nothing).
    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    Click(Main().Image8);
    EXPECT_EQ(reports_.back(), "No picture is shown.");

    QTest::keyClick(Main().ListBox1, Qt::Key_Down);
    EXPECT_EQ(Main().ListBox1->SelectedRow(), 1);
    EXPECT_TRUE(Main().MainImage->isVisible());
    EXPECT_EQ(View().CurrentPicturePath, "/images/ok1.jpg");
    EXPECT_EQ(reports_.size(), 2u);
}

TEST_F(StartUp, CloseCrossEndsTheEventLoop) {
    Start({EntryWithPictures("Egy", "a", 1)});
    EXPECT_EQ(Main().Image1->toolTip(), QString::fromUtf8("Kilépés"));
    QTimer::singleShot(0, [this] { Click(Main().Image1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

// The logo a catalogue folder brings covers exactly the built-in logo's box, its description
// link the built-in caption; back at the start after the folder changed, one of the wrong
// size is reported as a picture is and the built-in logo is back.
TEST_F(StartUp, TheCatalogueFoldersOwnLogoTakesTheBuiltInLogosPlace) {
    const QColor own(20, 90, 200), ground(231, 197, 150);
    const QRect box(633, 527, 93, 105);
    auto logoPixels = [&](auto&& check) {
        const QImage shown = Main().grab().toImage();
        for (int y = box.top() - 1; y <= box.bottom() + 1; ++y)
            for (int x = box.left() - 1; x <= box.right() + 1; ++x)
                check(QPoint(x, y), shown.pixelColor(x, y));
    };
    auto near = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue()) <=
               12;
    };
    std::filesystem::create_directories(folder_ / "pages");
    WriteJpeg("pages/logo.jpg", 93, 105, own);
    WriteJpeg("pages/description-link.jpg", 169, 34, own);
    Start({EntryWithPictures("Egy", "a", 1)});
    EXPECT_TRUE(reports_.empty());
    EXPECT_TRUE(near(Main().grab().toImage().pixelColor(676, 390), own));
    EXPECT_EQ(Main().Image7->accessibleName(), QString::fromUtf8("Leírás"));
    int misplaced = 0;
    logoPixels([&](QPoint at, const QColor& colour) {
        misplaced += !near(colour, box.contains(at) ? own : ground);
    });
    EXPECT_EQ(misplaced, 0);

    WriteJpeg("pages/logo.jpg", 90, 105, own);
    Main().ReturnToStart();
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_NE(reports_[0].find("logo.jpg is 90 x 105 pixels; the main window's logo must be "
                               "93 x 105"),
              std::string::npos)
        << reports_[0];
    int inked = 0, owned = 0;
    logoPixels([&](QPoint, const QColor& colour) {
        inked += colour.red() < 180; // the built-in emblem's dark brown
        owned += near(colour, own);
    });
    EXPECT_GT(inked, 500);
    EXPECT_EQ(owned, 0);
}

// Inside a namespace of its own: the name is also the main window's picture view class.
namespace {
using PictureView = ProgramTest;

TEST_F(PictureView, SixPicturesPageOneAtATimeToTheLastFour) {
    Start({EntryWithPictures("Hat", "p", 6, 640, 480)});
    TForm1& form = Main();
    EXPECT_EQ(View().ThumbnailPage, 1);
    EXPECT_EQ(FaceColour(*form.Image5), InactiveFace);
    EXPECT_EQ(FaceColour(*form.Image6), ActiveFace);
    EXPECT_EQ(form.Image6->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form.imageprev[0]->geometry(), QRect(33, 522, 112, 84));

    Click(form.Image6);
    Click(form.Image6);
    EXPECT_EQ(View().ThumbnailPage, 3);
    EXPECT_EQ(FaceColour(*form.Image5), ActiveFace);
    EXPECT_EQ(FaceColour(*form.Image6), InactiveFace);
    EXPECT_EQ(form.Image6->cursor().shape(), Qt::ArrowCursor);
    Click(form.Image6);
    EXPECT_EQ(View().ThumbnailPage, 3);

    // Slot 3 now holds picture 5.
    Click(form.imageprev[2]);
    EXPECT_EQ(View().CurrentPicturePath, "/images/p5.jpg");
    Click(form.Image5);
    EXPECT_EQ(View().ThumbnailPage, 2);
}

TEST_F(PictureView, FourPicturesLeaveBothArrowsInactiveAndTwoHideTheLastSlots) {
    Start({EntryWithPictures("Négy", "n", 4), EntryWithPictures("Kettő", "k", 2)});
    TForm1& form = Main();
    EXPECT_EQ(FaceColour(*form.Image5), InactiveFace);
    EXPECT_EQ(FaceColour(*form.Image6), InactiveFace);
    Click(form.Image6);
    EXPECT_EQ(View().ThumbnailPage, 1);

    QTest::keyClick(form.ListBox1, Qt::Key_Down);
    EXPECT_TRUE(form.imageprev[1]->isVisible());
    EXPECT_FALSE(form.imageprev[2]->isVisible());
    EXPECT_FALSE(form.imageprev[3]->isVisible());
    // The equality test: two pictures show an active right arrow that pages nowhere.
    EXPECT_EQ(FaceColour(*form.Image6), ActiveFace);
    Click(form.Image6);
    EXPECT_EQ(View().ThumbnailPage, 1);
}

TEST_F(PictureView, LeftAndRightKeysPageTheStripAndKeepTheSelection) {
    Start({EntryWithPictures("Hat", "p", 6), EntryWithPictures("Egy", "e", 1)});
    TForm1& form = Main();
    form.ListBox1->setFocus();
    QTest::keyClick(form.ListBox1, Qt::Key_Right);
    QTest::keyClick(form.ListBox1, Qt::Key_Right);
    EXPECT_EQ(View().ThumbnailPage, 3);
    QTest::keyClick(form.ListBox1, Qt::Key_Left);
    EXPECT_EQ(View().ThumbnailPage, 2);
    EXPECT_EQ(form.ListBox1->SelectedRow(), 0);
    // Selecting another entry resets the strip to its first pictures.
    QTest::keyClick(form.ListBox1, Qt::Key_Down);
    EXPECT_EQ(View().ThumbnailPage, 1);
    EXPECT_EQ(View().CurrentPicturePath, "/images/e1.jpg");
}

TEST_F(PictureView, LargePicturesOverhangTheAreaUnscaled) {
    Start({EntryWithPictures("Nagy", "g", 1, 1000, 800),
           EntryWithPictures("Széles", "s", 1, 531, 100)});
    EXPECT_EQ(Main().MainImage->geometry(), QRect(-217, -155, 1000, 800));
    QTest::keyClick(Main().ListBox1, Qt::Key_Down);
    EXPECT_EQ(Main().MainImage->geometry().left(), 17);
}

TEST_F(PictureView, NamesWithoutExtensionFollowTheExtensionRule) {
    TestEntry strip{"Csík", "x", "y", {}, {{"ok.jpg", 80, 60}, {"abc", 0, 0}}};
    TestEntry main{"Fő", "x", "y", {}, {{"abc", 0, 0}}};
    Start({strip, main});
    // The strip loads "images/abc": no extension, an empty 0 x 0 picture, no error.
    EXPECT_TRUE(reports_.empty());
    EXPECT_EQ(Main().imageprev[1]->geometry(), QRect(161 + 56, 508 + 56, 0, 0));
    // The main area loads "./images/abc": the leading period starts the extension.
    QTest::keyClick(Main().ListBox1, Qt::Key_Down);
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0], "Unknown picture file extension (./images/abc)");
    EXPECT_EQ(View().CurrentPicturePath, "/images/ok.jpg");
}

} // namespace

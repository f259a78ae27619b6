// The title list and the search, driven through the real widgets.

#include "tests/mainwindow/program_fixture.h"

#include "catalogue/catalogue.h"
#include "mainwindow/tform1.h"
#include "mainwindow/viewstate.h"
#include "pictures/pictures.h"
#include "skin/skin.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {
void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
}

// Three records: "ab" only in record 2's third line; index lines only in records 1 and 3.
std::vector<TestEntry> SmallCatalogue() {
    TestEntry first = EntryWithPictures("Első oltár", "a", 1);
    first.line2 = "Kassa";
    first.line3 = "1474";
    first.indexLines = {"Angyali üdvözlet", "Szent Borbála"};
    TestEntry second = EntryWithPictures("Második oltár", "b", 6);
    second.line2 = "Lőcse";
    second.line3 = "AB 1500";
    TestEntry third = EntryWithPictures("Harmadik oltár", "c", 2);
    third.line2 = "Árpád";
    third.line3 = "1520";
    third.indexLines = {"Szent Borbála"};
    return {first, second, third};
}

QStringList Rows(TListBox& list) {
    QStringList rows;
    for (int i = 0; i < list.RowCount(); ++i)
        rows << list.Row(i);
    return rows;
}

// Types text into the search box and presses Enter there.
void SearchWithEnter(TForm1& form, const QString& text) {
    form.Edit1->setFocus();
    form.Edit1->clear();
    // Typed one character at a time, accented and non-Latin ones included.
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(form.Edit1, &press);
    }
    ASSERT_EQ(form.Edit1->text(), text);
    QTest::keyClick(form.Edit1, Qt::Key_Return);
}
} // namespace

class Search : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Start(SmallCatalogue());
    }
    TListBox& List() { return *Main().ListBox1; }
};

TEST_F(Search, PlaceAndTimeFindsAsciiLettersInEitherCase) {
    SearchWithEnter(Main(), "ab");
    EXPECT_EQ(Rows(List()),
              QStringList({"Találatok:", "", "Második oltár", "", "<< Vissza a teljes listához"}));
    EXPECT_EQ(List().SelectedRow(), 2);
    EXPECT_EQ(View().ResultsShown, 1);
    EXPECT_EQ(TheCatalogue().ListIndexMap[2], 2);
    EXPECT_EQ(View().CurrentPicturePath, "/images/b1.jpg");
    EXPECT_EQ(View().ThumbnailPage, 1);
    EXPECT_EQ(FaceColour(*Main().Image5), InactiveFace);
}

TEST_F(Search, AccentedLettersAreComparedExactly) {
    SearchWithEnter(Main(), QString::fromUtf8("árp"));
    EXPECT_EQ(ShownCount()["TForm2"], 1);
    EXPECT_EQ(List().RowCount(), 3); // the full list stays
    SearchWithEnter(Main(), QString::fromUtf8("Árp"));
    EXPECT_EQ(List().Row(2), "Harmadik oltár");
}

TEST_F(Search, CharactersOutsideTheCodePageFindNothing) {
    SearchWithEnter(Main(), QString::fromUtf8("中"));
    EXPECT_EQ(ShownCount()["TForm2"], 1);
    EXPECT_EQ(View().ResultsShown, 0);
}

TEST_F(Search, EmptyNeedleWithEnterListsEveryRecordOrEveryIndexedOne) {
    SearchWithEnter(Main(), "");
    EXPECT_EQ(List().RowCount(), 3 + 4);
    EXPECT_EQ(List().Row(6), "<< Vissza a teljes listához");

    Click(Main().Image4); // the label beside the second radio face
    EXPECT_EQ(View().SearchMode, 2);
    EXPECT_EQ(FaceColour(*Main().RadioImage2), ActiveFace);
    EXPECT_EQ(FaceColour(*Main().RadioImage1), InactiveFace);
    SearchWithEnter(Main(), "");
    EXPECT_EQ(Rows(List()), QStringList({"Találatok:", "", "Első oltár", "Harmadik oltár", "",
                                         "<< vissza a teljes listához"}));
    EXPECT_EQ(TheCatalogue().ListIndexMap[3], 3);
}

TEST_F(Search, ButtonChecksTheLength) {
    Click(Main().Image2); // empty box: nothing at all
    EXPECT_EQ(List().RowCount(), 3);

    QString message;
    QRect placed;
    Main().Edit1->setText("a");
    QTimer::singleShot(50, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (auto* label = dialog->findChild<QLabel*>())
            message = label->text();
        placed = QRect(dialog->pos(), dialog->size()); // where it was moved, and its size
        dialog->accept();
    });
    Click(Main().Image2);
    EXPECT_EQ(message, QString::fromUtf8("A megadott szöveg túl rövid."));
    // Centred by the div rule, whatever the parity of its size.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(placed.topLeft(), QPoint((screen.width() - placed.width()) / 2,
                                       (screen.height() - placed.height()) / 2))
        << placed.width() << " x " << placed.height();
    EXPECT_EQ(List().RowCount(), 3);
    EXPECT_EQ(View().ResultsShown, 0);

    // Mode 1 searches the place and time lines only, not the index.
    Main().Edit1->setText("Borb");
    Click(Main().Image2);
    EXPECT_EQ(ShownCount()["TForm2"], 1);
    EXPECT_EQ(List().RowCount(), 3);
    Main().Edit1->setText("14");
    Click(Main().Image2);
    EXPECT_EQ(List().RowCount(), 5);
}

TEST_F(Search, SearchWithoutHitsKeepsAnEarlierResultList) {
    SearchWithEnter(Main(), "ab");
    SearchWithEnter(Main(), "nincs ilyen");
    EXPECT_EQ(ShownCount()["TForm2"], 1);
    EXPECT_EQ(List().RowCount(), 5);
    EXPECT_EQ(List().SelectedRow(), 2);
    EXPECT_EQ(View().ResultsShown, 1);
    // The back row still works.
    List().setFocus();
    QTest::keyClick(&List(), Qt::Key_End);
    EXPECT_EQ(List().RowCount(), 3);
    EXPECT_EQ(List().SelectedRow(), -1);
    EXPECT_EQ(View().ResultsShown, 0);
    EXPECT_EQ(View().CurrentPicturePath, "/images/b1.jpg"); // the view keeps the last hit
    EXPECT_EQ(TheCatalogue().ListIndexMap[2], 3);
}

TEST_F(Search, RowRulesOfTheResultList) {
    SearchWithEnter(Main(), "");
    List().setFocus();
    QTest::keyClick(&List(), Qt::Key_Down); // row 3, the second hit
    EXPECT_EQ(View().CurrentPicturePath, "/images/b1.jpg");
    QTest::keyClick(&List(), Qt::Key_Home); // the header row: back to the first hit
    EXPECT_EQ(List().SelectedRow(), 2);
    EXPECT_EQ(View().CurrentPicturePath, "/images/b1.jpg"); // nothing shown
    QTest::keyClick(&List(), Qt::Key_Down);
    QTest::keyClick(&List(), Qt::Key_Down);
    QTest::keyClick(&List(), Qt::Key_Down); // the empty row before the back row
    EXPECT_EQ(List().SelectedRow(), 4);
    EXPECT_EQ(View().CurrentPicturePath, "/images/c1.jpg");
    // Left and Right page the strip of the shown hit; the selection stays.
    QTest::keyClick(&List(), Qt::Key_Up);
    QTest::keyClick(&List(), Qt::Key_Right);
    EXPECT_EQ(View().ThumbnailPage, 2);
    EXPECT_EQ(List().SelectedRow(), 3);
}

TEST_F(Search, RowsWithoutAnEntryActOnTheShownEntry) {
    // The hit, record 2, has six pictures; row 0 still holds record 1 (one picture) in the map.
    SearchWithEnter(Main(), "ab");
    List().setFocus();
    QTest::keyClick(&List(), Qt::Key_Right);
    QTest::keyClick(&List(), Qt::Key_Right);
    ASSERT_EQ(View().ThumbnailPage, 3);
    ASSERT_EQ(FaceColour(*Main().Image6), InactiveFace);
    QTest::keyClick(&List(), Qt::Key_Home); // the header row
    EXPECT_EQ(List().SelectedRow(), 2);
    EXPECT_EQ(FaceColour(*Main().Image6), InactiveFace) << "arrows of another record";
    EXPECT_EQ(FaceColour(*Main().Image5), ActiveFace);
    EXPECT_EQ(View().ThumbnailPage, 3);
}

TEST_F(Search, AfterTheBackRowTheStripStillPagesTheShownEntry) {
    SearchWithEnter(Main(), "ab");
    List().setFocus();
    QTest::keyClick(&List(), Qt::Key_End);
    ASSERT_EQ(List().SelectedRow(), -1);
    Click(Main().Image6);
    EXPECT_EQ(View().ThumbnailPage, 2);
    Click(Main().imageprev[0]);
    EXPECT_EQ(View().CurrentPicturePath, "/images/b2.jpg");
    EXPECT_TRUE(reports_.empty());
}

class FullCatalogueSearch : public ProgramTest {};

TEST_F(FullCatalogueSearch, FortyHitsMakeFortyFourRows) {
    std::vector<TestEntry> entries;
    for (int k = 1; k <= 40; ++k)
        entries.push_back(
            EntryWithPictures("Cim " + std::to_string(k), "r" + std::to_string(k), 1, 20, 20));
    Start(entries);
    SearchWithEnter(Main(), "Hely");
    EXPECT_EQ(Main().ListBox1->RowCount(), 44);
    EXPECT_EQ(Main().ListBox1->Row(41), "Cim 40");
    EXPECT_EQ(TheCatalogue().ListIndexMap[41], 40);
}

TEST_F(FullCatalogueSearch, FailingPictureLeavesTheResultFlagAsItWas) {
    TestEntry broken = EntryWithPictures("Hibas", "x", 1);
    broken.line2 = "keresett";
    broken.pictures[0].width = 0; // missing file
    Start({EntryWithPictures("Jo", "j", 1), broken});
    SearchWithEnter(Main(), "keresett");
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(Main().ListBox1->RowCount(), 5);
    EXPECT_EQ(Main().ListBox1->SelectedRow(), 2);
    EXPECT_EQ(View().ResultsShown, 0);
    // The result list is now handled as a full list: the back row's stale entry (row 4 still
    // stands for record 5, beyond the catalogue) shows nothing and reads nothing outside.
    Main().ListBox1->setFocus();
    QTest::keyClick(Main().ListBox1, Qt::Key_End);
    EXPECT_EQ(Main().ListBox1->SelectedRow(), 4);
    EXPECT_EQ(View().CurrentPicturePath, "/images/j1.jpg");
    EXPECT_EQ(reports_.size(), 1u);
}

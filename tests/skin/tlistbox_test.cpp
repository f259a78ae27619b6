#include "skin/tlistbox.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class ListBoxTest : public testing::Test {
protected:
    void SetUp() override {
        list_.resize(200, 120);
        list_.SetItemHeight(17);
        for (const char* row : {"Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Zeta", "Eta",
                                "Theta", "Iota", "Kappa"})
            list_.AddRow(row);
        list_.OnClick = [this] {
            ++clicks_;
            selections_.push_back(list_.SelectedRow());
        };
        list_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list_));
        list_.setFocus();
    }

    QPoint RowCentre(int row) const { return list_.visualItemRect(list_.item(row)).center(); }
    void ClickRow(int row, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(list_.viewport(), button, modifiers, RowCentre(row));
    }

    TListBox list_;
    int clicks_ = 0;
    std::vector<int> selections_;
};

TEST_F(ListBoxTest, RowsAreTheItemHeightTall) {
    EXPECT_EQ(list_.visualItemRect(list_.item(0)).height(), 17);
    EXPECT_EQ(list_.visualItemRect(list_.item(3)).top(), 3 * 17);
    EXPECT_EQ(list_.frameShape(), QFrame::NoFrame);
}

TEST_F(ListBoxTest, TheProgramsOwnChangesNeverFireOnClick) {
    list_.SelectRow(3);
    EXPECT_EQ(list_.SelectedRow(), 3);
    list_.SelectRow(-1);
    EXPECT_EQ(list_.SelectedRow(), -1);
    EXPECT_EQ(list_.currentRow(), -1);
    list_.SelectRow(2);
    list_.Clear();
    EXPECT_EQ(list_.SelectedRow(), -1);
    list_.AddRow("new");
    list_.SelectRow(0);
    list_.SelectRow(57); // past the end: no row
    EXPECT_EQ(list_.SelectedRow(), -1);
    EXPECT_EQ(clicks_, 0);
}

TEST_F(ListBoxTest, MouseSelectionsFireOnceEachAlsoOnTheSelectedRow) {
    ClickRow(2);
    EXPECT_EQ(selections_, std::vector<int>({2}));
    ClickRow(4);
    ClickRow(4);
    EXPECT_EQ(selections_, std::vector<int>({2, 4, 4}));
}

TEST_F(ListBoxTest, OtherButtonsAndControlClicksNeitherDeselectNorFire) {
    list_.SelectRow(1);
    ClickRow(3, Qt::RightButton);
    ClickRow(3, Qt::MiddleButton);
    EXPECT_EQ(list_.SelectedRow(), 1);
    EXPECT_EQ(clicks_, 0);
    ClickRow(1, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(list_.SelectedRow(), 1);
}

TEST_F(ListBoxTest, KeyboardMovesFireOnlyWhenTheSelectionChanges) {
    list_.SelectRow(0);
    QTest::keyClick(&list_, Qt::Key_Down);
    QTest::keyClick(&list_, Qt::Key_End);
    QTest::keyClick(&list_, Qt::Key_Down); // already on the last row
    QTest::keyClick(&list_, Qt::Key_Home);
    QTest::keyClick(&list_, Qt::Key_Up); // already on the first row
    QTest::keyClick(&list_, Qt::Key_PageDown);
    EXPECT_EQ(selections_.size(), 4u);
    EXPECT_EQ(selections_[0], 1);
    EXPECT_EQ(selections_[1], 9);
    EXPECT_EQ(selections_[2], 0);
    EXPECT_GT(selections_[3], 1);
    QTest::keyClick(&list_, Qt::Key_PageUp);
    EXPECT_EQ(selections_.back(), 0);
}

TEST_F(ListBoxTest, LetterKeysSelectARowStartingWithTheLetter) {
    list_.SelectRow(0);
    QTest::keyClick(&list_, Qt::Key_K);
    EXPECT_EQ(list_.SelectedRow(), 9);
    EXPECT_EQ(selections_, std::vector<int>({9}));
}

TEST_F(ListBoxTest, OnKeyDownRunsFirstAndCanSwallowTheKey) {
    list_.SelectRow(4);
    std::vector<int> seenRows;
    list_.OnKeyDown = [&](int& key, Qt::KeyboardModifiers) {
        seenRows.push_back(list_.SelectedRow());
        if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Down)
            key = 0;
    };
    QTest::keyClick(&list_, Qt::Key_Left);
    QTest::keyClick(&list_, Qt::Key_Right);
    QTest::keyClick(&list_, Qt::Key_Down);
    EXPECT_EQ(list_.SelectedRow(), 4);
    EXPECT_EQ(clicks_, 0);
    QTest::keyClick(&list_, Qt::Key_Up);
    EXPECT_EQ(seenRows, std::vector<int>({4, 4, 4, 4})); // before the list moved
    EXPECT_EQ(selections_, std::vector<int>({3}));
}

TEST_F(ListBoxTest, AHandlerThatMovesTheSelectionDoesNotFireAgain) {
    // As the title list does on its header rows: a click there selects another row.
    list_.OnClick = [this] {
        ++clicks_;
        if (list_.SelectedRow() <= 1)
            list_.SelectRow(2);
    };
    ClickRow(0);
    EXPECT_EQ(list_.SelectedRow(), 2);
    EXPECT_EQ(clicks_, 1);
    // And one that replaces the rows altogether, as the back row does.
    list_.OnClick = [this] {
        ++clicks_;
        list_.Clear();
        list_.AddRow("only");
    };
    ClickRow(5);
    EXPECT_EQ(list_.RowCount(), 1);
    EXPECT_EQ(list_.SelectedRow(), -1);
    EXPECT_EQ(clicks_, 2);
}

} // namespace

#include "skin/tedit.h"
#include "skin/tlabel.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(Edit, EveryTypedCharacterReachesOnKeyPressAndThenTheBox) {
    TEdit edit;
    std::vector<int> seen;
    edit.OnKeyPress = [&](QChar& key) { seen.push_back(key.unicode()); };
    QTest::keyClicks(&edit, "ab");
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(seen, std::vector<int>({'a', 'b', 13, 8}));
    EXPECT_EQ(edit.text(), "a");
    EXPECT_FALSE(edit.hasFrame());
}

TEST(Edit, OnKeyPressCanChangeOrSwallowACharacter) {
    TEdit edit;
    edit.OnKeyPress = [](QChar& key) {
        if (key == 'x')
            key = QChar(0);
        else if (key == 'y')
            key = QChar(0x0151); // ő
    };
    QTest::keyClicks(&edit, "axyb");
    EXPECT_EQ(edit.text(), QString::fromUtf8("aőb"));
}

QImage Render(TLabel& label, QColor ground) {
    QWidget parent;
    parent.resize(200, 60);
    QPalette palette;
    palette.setColor(QPalette::Window, ground);
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    label.setParent(&parent);
    label.move(10, 10);
    QImage image = parent.grab().toImage();
    label.setParent(nullptr);
    return image;
}

// Rows that hold any pixel of the colour within the label's rectangle.
int InkRows(const QImage& image, const QRect& area, QColor ink) {
    int rows = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) == ink) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

class LabelTest : public testing::Test {
protected:
    void SetUp() override {
        QFont font("EB Garamond");
        font.setPixelSize(20);
        for (TLabel* label : {&plain_, &marked_}) {
            label->setFont(font);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, Qt::black);
            palette.setColor(QPalette::Window, Qt::white);
            label->setPalette(palette);
        }
    }

    TLabel plain_;
    TLabel marked_;
};

TEST_F(LabelTest, SizesItselfToItsTextOnOneLine) {
    plain_.SetCaption("Szent Anna oltár");
    const QFontMetrics metrics(plain_.font());
    EXPECT_EQ(plain_.width(), metrics.horizontalAdvance("Szent Anna oltár"));
    EXPECT_EQ(plain_.height(), metrics.height());
    const int oneLine = plain_.height();
    plain_.SetCaption(QString(300, 'm'));
    EXPECT_EQ(plain_.height(), oneLine);
    EXPECT_GT(plain_.width(), 2000);

    plain_.SetAutoSize(false);
    plain_.resize(40, 10);
    plain_.SetCaption("longer than forty pixels");
    EXPECT_EQ(plain_.size(), QSize(40, 10));
}

TEST_F(LabelTest, AnAmpersandUnderlinesTheNextCharacterAndTwoDrawOne) {
    plain_.SetCaption("x");
    marked_.SetCaption("&x");
    EXPECT_EQ(marked_.ShownText(), "x");
    EXPECT_EQ(marked_.size(), plain_.size());
    const QRect area(10, 10, plain_.width(), plain_.height());
    const QImage plain = Render(plain_, Qt::white);
    const QImage marked = Render(marked_, Qt::white);
    // The underline adds rows of ink below the letter.
    EXPECT_GT(InkRows(marked, area, Qt::black), InkRows(plain, area, Qt::black));

    // "&&" draws one ampersand and underlines nothing; "&&&x" draws the same text with x
    // underlined.
    plain_.SetCaption("a &&x");
    marked_.SetCaption("a &&&x");
    EXPECT_EQ(plain_.ShownText(), "a &x");
    EXPECT_EQ(marked_.ShownText(), "a &x");
    const QRect wider(10, 10, plain_.width(), plain_.height());
    EXPECT_GT(InkRows(Render(marked_, Qt::white), wider, Qt::black),
              InkRows(Render(plain_, Qt::white), wider, Qt::black));
}

TEST_F(LabelTest, ATransparentLabelShowsWhatLiesBeneath) {
    plain_.SetCaption("W");
    const QColor ground(231, 197, 150);
    EXPECT_EQ(Render(plain_, ground).pixelColor(10, 10), QColor(Qt::white));
    plain_.SetTransparent(true);
    EXPECT_EQ(Render(plain_, ground).pixelColor(10, 10), ground);
}

} // namespace

#include "skin/tcoolform.h"
#include "skin/tform.h"
#include "tests/skin/skinpictures.h"
#include "tests/skin/xdotool.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor kFill(0, 200, 0);
const QColor kEdge(255, 0, 0);
const QColor kScreenGround(0, 0, 0); // the bare X server's root window

// A message-sized skinned window: a 340 x 120 background on a 360 x 143 client area, cut to
// columns 1 … 338 and rows 0 … 119, with one click area.
class SkinOnScreen : public testing::Test {
protected:
    void SetUp() override {
        skin_.Picture().ReadEmbedded(EmbeddedBitmap(EdgedBackground(340, 120, kFill, kEdge)));
        skin_.ReadMask2(OneRectangleMask2(1, 0, 339, 120));
        area_.setGeometry(144, 68, 49, 25);
        area_.OnClick = [this] { ++clicks_; };
        form_.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form_));
        QTest::qWait(100);
    }

    QImage Screen(QRect area) const {
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
            .toImage();
    }
    QPoint OnScreen(QPoint client) const { return form_.pos() + client; }

    TForm form_{"TFormS", QSize(360, 143), TForm::Placement::Fixed, QPoint(100, 100)};
    TCoolForm skin_{&form_};
    TImage area_{&form_};
    int clicks_ = 0;
};

TEST_F(SkinOnScreen, OnlyThePictureInsideTheRegionIsVisible) {
    ASSERT_EQ(form_.pos(), QPoint(100, 100));
    const QImage screen = Screen(QRect(100, 100, 360, 143));
    for (int y : {0, 60, 119}) {
        EXPECT_EQ(screen.pixelColor(0, y), kScreenGround) << "first column, row " << y;
        EXPECT_EQ(screen.pixelColor(1, y), kFill) << "row " << y;
        EXPECT_EQ(screen.pixelColor(338, y), kFill) << "row " << y;
        EXPECT_EQ(screen.pixelColor(339, y), kScreenGround) << "last column, row " << y;
        EXPECT_EQ(screen.pixelColor(355, y), kScreenGround) << "past the picture, row " << y;
    }
    EXPECT_EQ(screen.pixelColor(50, 125), kScreenGround) << "below the picture";
}

TEST_F(SkinOnScreen, DraggingTheBackgroundMovesTheWindow) {
    Drag(OnScreen({200, 30}), OnScreen({200, 30}) + QPoint(60, 45));
    EXPECT_EQ(form_.pos(), QPoint(160, 145));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    // The window is drawn at its new place.
    QTest::qWait(100);
    const QImage screen = Screen(QRect(160, 145, 360, 143));
    EXPECT_EQ(screen.pixelColor(0, 60), kScreenGround);
    EXPECT_EQ(screen.pixelColor(1, 60), kFill);
    EXPECT_EQ(clicks_, 0);
}

TEST_F(SkinOnScreen, AClickOnAClickAreaRunsItsActionAndMovesNothing) {
    ClickAt(OnScreen({160, 80}));
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(form_.pos(), QPoint(100, 100));
    Drag(OnScreen({160, 80}), OnScreen({160, 80}) + QPoint(50, 50));
    EXPECT_EQ(form_.pos(), QPoint(100, 100));
}

TEST_F(SkinOnScreen, RightAndMiddleDragsDoNothing) {
    Drag(OnScreen({200, 30}), OnScreen({200, 30}) + QPoint(60, 45), 3);
    Drag(OnScreen({200, 30}), OnScreen({200, 30}) + QPoint(60, 45), 2);
    EXPECT_EQ(form_.pos(), QPoint(100, 100));
}

TEST_F(SkinOnScreen, PressesOutsideTheRegionDoNotReachTheWindow) {
    Drag(OnScreen({0, 60}), OnScreen({0, 60}) + QPoint(60, 45));
    Drag(OnScreen({350, 60}), OnScreen({350, 60}) + QPoint(60, 45));
    EXPECT_EQ(form_.pos(), QPoint(100, 100));
}

} // namespace

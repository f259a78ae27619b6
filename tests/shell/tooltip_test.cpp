// Tooltip timing, on a real X server: the offscreen platform hides tooltips at once.

#include "shell/application.h"

#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QStyle>
#include <QTest>
#include <QToolTip>
#include <QWidget>
#include <gtest/gtest.h>

TEST(Tooltips, ShowAfterHalfASecondForTwoAndAHalf) {
    InstallTooltipTiming(*qApp);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);

    QWidget window;
    window.resize(200, 100);
    auto* button = new QWidget(&window);
    button->setGeometry(10, 10, 50, 20);
    button->setToolTip(QString::fromUtf8("Kilépés"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCursor::setPos(button->mapToGlobal(QPoint(5, 5)));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(button, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Kilépés"));
    QTest::qWait(1500);
    EXPECT_TRUE(QToolTip::isVisible());
    QTest::qWait(1800);
    EXPECT_FALSE(QToolTip::isVisible());
}

#include "catalogue/catalogue.h"
#include "core/files.h"
#include "pictures/pictures.h"
#include "skin/skin.h"
#include "tests/core/tempfolder.h"
#include "tests/skin/xdotool.h"
#include "tests/windows/windowstesting.h"
#include "windows/tform2.h"
#include "windows/tform3.h"
#include "windows/tform5.h"
#include "windows/tform6.h"
#include "windows/tform7.h"
#include "windows/tform8.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The X server's root window, found under the pointer in a corner no window covers.
QString RootWindowId() {
    PointerTo(QPoint(1275, 1019));
    const QString location = XdoTool({"getmouselocation", "--shell"});
    for (const QString& line : location.split('\n'))
        if (line.startsWith("WINDOW="))
            return line.mid(7);
    return {};
}

// Where the window system has the window's client origin.
QPoint OnScreen(const TForm& form) {
    return form.mapToGlobal(QPoint(0, 0));
}

TEST(Placement, FirstShowingsOnA1280By1024Screen) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().size(), QSize(1280, 1024));
    TForm2 noHits;
    TForm5 confirmation(FakeContext());
    TForm7 about;
    TForm8 introduction;
    const std::pair<TForm*, QPoint> expected[] = {
        {&noHits, {460, 440}},       // (1280 − 360) div 2, (1024 − 143) div 2
        {&confirmation, {369, 277}}, // fixed
        {&about, {287, 267}},        // (1280 − 706) div 2, (1024 − 490) div 2
        {&introduction, {220, 84}},  // fixed
    };
    for (const auto& [form, place] : expected) {
        RunModal(
            *form,
            [&] {
                ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
                EXPECT_EQ(OnScreen(*form), place) << form->objectName().toStdString();
            },
            0);
    }
}

TEST(Placement, ADraggedWindowReopensWhereItWasLeft) {
    TForm7 about;
    const QPoint first(287, 267);
    const ModalRun dragged = RunModal(about, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        // A press on the credits, away from the OK area.
        Drag(first + QPoint(100, 10), first + QPoint(140, 35));
        EXPECT_EQ(OnScreen(about), first + QPoint(40, 25));
        ClickAt(OnScreen(about) + QPoint(330, 440)); // the OK area
    });
    EXPECT_FALSE(dragged.leftOpen);
    RunModal(
        about,
        [&] {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
            EXPECT_EQ(OnScreen(about), first + QPoint(40, 25));
        },
        0);
}

TEST(Splash, APressOutsideThePhotographDragsInsteadOfClosing) {
    TForm6 splash;
    const ModalRun run = RunModal(splash, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
        const QPoint origin = OnScreen(splash);
        EXPECT_EQ(origin, QPoint(231, 177));
        Drag(origin + QPoint(700, 600), origin + QPoint(650, 560));
        EXPECT_EQ(OnScreen(splash), origin + QPoint(-50, -40));
        ClickAt(OnScreen(splash) + QPoint(300, 300)); // the photograph
    });
    EXPECT_FALSE(run.leftOpen);
}

TEST(Splash, ACatalogueFoldersOwnBackgroundKeepsTheShapeTheDragAndTheClickArea) {
    TempFolder folder;
    std::vector<std::uint8_t> grey(800 * 653 * 3, 90);
    const auto jpeg = EncodeJpeg(grey.data(), 800, 653, false, 90);
    folder.Write("pages/splash.jpg", std::string(jpeg.begin(), jpeg.end()));
    const std::string started = files::CurrentDirectory();
    ASSERT_TRUE(files::SetCurrentDirectory(folder.Path()));
    TForm6 splash;
    const ModalRun run = RunModal(splash, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
        const QPoint origin = OnScreen(splash);
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        EXPECT_EQ(QColor(screen.pixel(origin + QPoint(30, 30))).red(), 90);
        // Column 0 of the background is cut away by the window's shape.
        EXPECT_EQ(screen.pixel(origin + QPoint(0, 30)), qRgb(0, 0, 0));
        Drag(origin + QPoint(700, 600), origin + QPoint(650, 560));
        EXPECT_EQ(OnScreen(splash), origin + QPoint(-50, -40));
        ClickAt(OnScreen(splash) + QPoint(300, 300)); // the photograph's place
    });
    files::SetCurrentDirectory(started);
    EXPECT_FALSE(run.leftOpen);
}

TEST(DescriptionFocus, KeysTypedWhileOpenGoToTheUnseenButton) {
    Catalogue& catalogue = TheCatalogue();
    catalogue = Catalogue();
    catalogue.RecordCount = 3;
    ResetListIndexMap(catalogue);
    fake::selectedRow = 0;

    TForm3 description(FakeContext());
    auto* button = description.findChild<TButton*>("Button1");
    int buttonClicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++buttonClicks; });
    const ModalRun run = RunModal(description, [&] {
        // No window manager activates the window: the focus timer asks for it.
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == button; }, 2000));
        EXPECT_EQ(QApplication::activeWindow(), &description);

        // The keyboard goes to the bare screen (as to another program's window); the next
        // ticks ask for it again.
        const QString ownId = QString::number(description.windowHandle()->winId());
        const QString screenId = RootWindowId();
        ASSERT_FALSE(screenId.isEmpty());
        EXPECT_EQ(XdoTool({"windowfocus", screenId, "getwindowfocus"}), screenId);
        EXPECT_TRUE(QTest::qWaitFor([&] { return XdoTool({"getwindowfocus"}) == ownId; }, 1000));
        EXPECT_EQ(QApplication::focusWidget(), button);

        XdoTool({"type", "--delay", "20", "abc"});
        XdoTool({"key", "Tab", "Escape", "Return", "space", "shift+Tab", "Down"});
        QTest::qWait(150);
        EXPECT_EQ(QApplication::focusWidget(), button);
        EXPECT_TRUE(description.isVisible());
    });
    EXPECT_TRUE(run.leftOpen);  // no key closed it
    EXPECT_EQ(buttonClicks, 1); // Space presses the button, which does nothing
    EXPECT_FALSE(DescriptionShowing);
    TheCatalogue() = Catalogue();
}

} // namespace

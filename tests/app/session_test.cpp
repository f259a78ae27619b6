// The program as a kiosk or a desktop session meets it: started as a process of its own on the
// bare test X server (no window manager), with a private home, through the real pointer and keys.

#include "tests/app/session_fixture.h"

#include <sys/socket.h>
#include <sys/un.h>

namespace {

TEST_F(Session, TheKeyboardWorksFromTheFirstMomentAndComesBackAfterAMessage) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    XdoTool({"type", "nincs ilyen"}); // nobody clicked into the search box
    XdoTool({"key", "Return"});
    ASSERT_TRUE(Shown(NoHits, true));
    ClickAt(NoHits.topLeft() + QPoint(168, 80));
    ASSERT_TRUE(Shown(NoHits, false));
    XdoTool({"key", "Return"});
    ASSERT_TRUE(Shown(NoHits, true));
    ClickAt(NoHits.topLeft() + QPoint(152, 74)); // away from the last click: no double click
    ASSERT_TRUE(Shown(NoHits, false));
    Stop();
}

TEST_F(Session, ADriftingPressOnTheBackRowKeepsThePicture) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ClickAt(Origin + QPoint(636, 427)); // the search box
    XdoTool({"type", "Hely B"});
    XdoTool({"key", "Return"});
    const QPoint inside = Origin + QPoint(274 + 150, 229); // in B's picture only
    auto showsB = [&] {
        const QImage pixel =
            QGuiApplication::primaryScreen()->grabWindow(0, inside.x(), inside.y(), 1, 1).toImage();
        return pixel.pixelColor(0, 0).green() > pixel.pixelColor(0, 0).red() + 30;
    };
    ASSERT_TRUE(QTest::qWaitFor(showsB, 3000));
    // Row 4 of the result list is the back row; it rebuilds the list under the finger.
    const QPoint backRow = Origin + QPoint(632, 68 + 4 * 17 + 6);
    Drag(backRow, backRow + QPoint(0, 3));
    QTest::qWait(300);
    EXPECT_TRUE(showsB());
    Stop();
}

TEST_F(Session, OpeningAndCancellingTheSaveDialogLeavesTheHomeEmpty) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    const qsizetype before = Windows().count("WINDOW=");
    ClickAt(Origin + QPoint(610, 32)); // Mentés: the dialog comes up
    ASSERT_TRUE(QTest::qWaitFor([&] { return Windows().count("WINDOW=") == before + 1; }));
    XdoTool({"key", "Escape"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return Windows().count("WINDOW=") == before; }));
    Stop();
    for (const char* folder : {"home", "config"})
        EXPECT_TRUE(
            QDir(Path(folder)).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            << folder;
}

TEST_F(Session, AWaylandSessionRunsThroughXWayland) {
    // A Wayland display that never answers: a program that chose it would never show a window.
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{AF_UNIX, {}};
    qstrncpy(address.sun_path, Path("runtime/wayland-test").toLocal8Bit(), sizeof address.sun_path);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 4), 0);
    environment_.insert("WAYLAND_DISPLAY", "wayland-test");
    environment_.remove("QT_QPA_PLATFORM");
    ASSERT_NO_FATAL_FAILURE(Launch());
    Stop();
    close(listener);
}

} // namespace

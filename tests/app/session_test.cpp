// The program as a kiosk or a desktop session meets it: started as a process of its own on the
// bare test X server (no window manager), with a private home, through the real pointer and keys.

#include "tests/mainwindow/program_fixture.h"
#include "tests/skin/xdotool.h"

#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <sys/socket.h>
#include <sys/un.h>

namespace {

// Where the windows first appear on the 1280 x 1024 screen, and points in the main window.
const QRect Splash(231, 177, 817, 670), Introduction(220, 84, 789, 567),
    MainWindow(231, 180, 818, 663), NoHits(460, 440, 360, 143);
const QPoint Origin = MainWindow.topLeft();

class Session : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        // Only entry B's picture is wide enough to reach the point the drift test samples.
        std::vector<TestEntry> entries;
        for (const char* title : {"A", "B", "C", "D", "E", "F"})
            entries.push_back(*title == 'B' ? EntryWithPictures(title, title, 1, 400, 300)
                                            : EntryWithPictures(title, title, 1, 100, 80));
        WriteCatalogue(entries);
        for (const char* sub : {"home", "config", "runtime"})
            QDir(Path("")).mkpath(sub);
        environment_.insert("HOME", Path("home"));
        environment_.insert("XDG_CONFIG_HOME", Path("config"));
        environment_.insert("XDG_RUNTIME_DIR", Path("runtime"));
        environment_.remove("WAYLAND_DISPLAY");
    }
    void TearDown() override {
        program_.kill();
        program_.waitForFinished();
        ProgramTest::TearDown();
    }
    QString Path(const char* name) const {
        return QString::fromStdString((folder_ / name).string());
    }

    // Starts the program and closes the splash and the introduction by their own areas.
    void Launch() {
        program_.setProcessEnvironment(environment_);
        program_.setWorkingDirectory(Path(""));
        program_.start(VENDRAL_PROGRAM);
        ASSERT_TRUE(Shown(Splash, true, 10000)) << "no splash on the X server";
        ClickAt(Splash.topLeft() + QPoint(300, 300));
        ASSERT_TRUE(Shown(Introduction, true));
        ClickAt(Introduction.topLeft() + QPoint(374, 483));
        ASSERT_TRUE(Shown(MainWindow, true));
    }
    // The main window's cross ends the program with status 0.
    void Stop() {
        ClickAt(Origin + QPoint(769, 32));
        // The pointer helpers' event loops may have seen it end already.
        ASSERT_TRUE(QTest::qWaitFor([&] { return program_.state() == QProcess::NotRunning; }));
        EXPECT_EQ(program_.exitCode(), 0);
    }

    bool Shown(QRect w, bool shown, int timeoutMs = 5000) {
        const QString geometry = QString("X=%1\nY=%2\nWIDTH=%3\nHEIGHT=%4\n")
                                     .arg(w.x())
                                     .arg(w.y())
                                     .arg(w.width())
                                     .arg(w.height());
        return QTest::qWaitFor([&] { return Windows().contains(geometry) == shown; }, timeoutMs);
    }
    // The geometry of each window of the program, as xdotool prints it.
    QString Windows() {
        QProcess xdotool;
        xdotool.start("xdotool",
                      {"search", "--onlyvisible", "--pid", QString::number(program_.processId()),
                       "", "getwindowgeometry", "--shell", "%@"});
        xdotool.waitForFinished();
        return QString::fromLatin1(xdotool.readAllStandardOutput());
    }

    QProcessEnvironment environment_ = QProcessEnvironment::systemEnvironment();
    QProcess program_;
};

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

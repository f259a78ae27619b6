// The kiosk mode as a museum meets it: the real program on the bare test X server (no window
// manager), left alone by visitors, updated by staff, crashed and frozen under its session
// script, and on screens of kiosk sizes.

#include "tests/app/session_fixture.h"

#include <QElapsedTimer>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <csignal>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sys/socket.h>
#include <sys/un.h>

namespace {

// Points of the main window's controls, and where the secondary windows first appear.
const QPoint Description = Origin + QPoint(676, 387), Save = Origin + QPoint(610, 32),
             Print = Origin + QPoint(708, 32), About = Origin + QPoint(679, 580),
             Cross = Origin + QPoint(769, 32), SearchBox = Origin + QPoint(647, 427),
             Picture = Origin + QPoint(282, 229);
const QRect DescriptionWindow(261, 244, 757, 535), AboutWindow(287, 267, 706, 490),
    PrintConfirmation(369, 277, 372, 154);

class Kiosk : public Session {
protected:
    void SetUp() override {
        Session::SetUp();
        environment_.remove("DBUS_SESSION_BUS_ADDRESS");
        environment_.insert("TMPDIR", Path("tmp"));
        QDir(Path("")).mkpath("tmp");
        QDir(Path("")).mkpath("usb");
        // As a session's runtime folder is; Qt passes over one that others may read.
        QFile::setPermissions(Path("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // The kiosk on the test screen at the size the other tests know, with a short pause.
    void LaunchKiosk(QStringList more = {}) {
        Launch(QStringList{"--kiosk", "--idle", "2", "--scale", "1"} + more);
    }
    // Without the search box, whose caret blinks.
    QImage MainWindowImage() {
        QImage image = QGuiApplication::primaryScreen()
                           ->grabWindow(0, MainWindow.x(), MainWindow.y(), MainWindow.width(),
                                        MainWindow.height())
                           .toImage();
        QPainter(&image).fillRect(QRect(574, 415, 147, 25), Qt::black);
        return image;
    }
    // The pause ends: the splash greets the next visitor; through it to the start.
    void GreetedAgain() {
        ASSERT_TRUE(Shown(Splash, true, 8000)) << "no return to the start";
        ClickAt(Splash.topLeft() + QPoint(300, 300));
        ASSERT_TRUE(Shown(Introduction, true));
        ClickAt(Introduction.topLeft() + QPoint(374, 483));
        ASSERT_TRUE(Shown(Introduction, false));
    }
    // The program's windows (xdotool may list the root window among them).
    int WindowCount() {
        return static_cast<int>(Windows().count("WINDOW=") - Windows().count("WIDTH=1280"));
    }
    // The program's window that is not the main window.
    QRect DialogGeometry() {
        for (const QString& window : Windows().split("WINDOW=", Qt::SkipEmptyParts)) {
            QMap<QString, int> value;
            for (const QString& line : window.split('\n'))
                value[line.section('=', 0, 0)] = line.section('=', 1).toInt();
            const QRect geometry(value["X"], value["Y"], value["WIDTH"], value["HEIGHT"]);
            if (geometry != MainWindow)
                return geometry;
        }
        return {};
    }
    QColor PictureColour() {
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, Picture.x(), Picture.y(), 1, 1)
            .toImage()
            .pixelColor(0, 0);
    }
};

TEST_F(Kiosk, EveryOpenWindowGivesWayToTheStartAfterThePause) {
    ASSERT_NO_FATAL_FAILURE(LaunchKiosk({"--save-to", Path("usb")}));
    const QImage start = MainWindowImage();
    // At the start nothing happens when nobody comes.
    EXPECT_FALSE(Shown(Splash, true, 3500));

    const std::vector<std::pair<const char*, std::function<bool()>>> openers = {
        {"description",
         [&] {
             ClickAt(Description);
             return Shown(DescriptionWindow, true);
         }},
        {"no hits",
         [&] {
             XdoTool({"type", "nincs ilyen"});
             XdoTool({"key", "Return"});
             return Shown(NoHits, true);
         }},
        {"save dialog",
         [&] {
             const int before = WindowCount();
             ClickAt(Save);
             return QTest::qWaitFor([&] { return WindowCount() == before + 1; });
         }},
        {"about",
         [&] {
             ClickAt(About);
             return Shown(AboutWindow, true);
         }},
        {"print confirmation",
         [&] {
             ClickAt(Print);
             return Shown(PrintConfirmation, true);
         }},
    };
    for (const auto& [name, open] : openers) {
        SCOPED_TRACE(name);
        // Away from the start first: a result list, its second hit, a typed word.
        ClickAt(SearchBox);
        XdoTool({"type", "Hely"});
        XdoTool({"key", "Return", "Down"});
        ASSERT_TRUE(open());
        ASSERT_NO_FATAL_FAILURE(GreetedAgain());
        EXPECT_EQ(WindowCount(), 1);
        EXPECT_TRUE(MainWindowImage() == start);
    }

    // The close cross returns to the start as well; the program keeps running.
    ClickAt(Cross);
    ASSERT_NO_FATAL_FAILURE(GreetedAgain());
    EXPECT_EQ(program_.state(), QProcess::Running);

    // A service stop with a window open ends it cleanly: nothing left behind, HOME untouched.
    ClickAt(About);
    ASSERT_TRUE(Shown(AboutWindow, true));
    kill(static_cast<pid_t>(program_.processId()), SIGTERM);
    ASSERT_TRUE(program_.waitForFinished(5000));
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_.exitCode(), 0);
    for (const char* folder : {"home", "config", "tmp"})
        EXPECT_TRUE(
            QDir(Path(folder)).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            << folder << ": "
            << QDir(Path(folder))
                   .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                   .join(' ')
                   .toStdString();
}

TEST_F(Kiosk, ANewCatalogueIsShownAfterTheNextReturnAndABrokenOneNever) {
    ASSERT_NO_FATAL_FAILURE(LaunchKiosk());
    EXPECT_GT(PictureColour().green(), PictureColour().red() + 30);
    // With no medium mounted the Save button says so instead of opening a dialog.
    ClickAt(Save);
    ASSERT_TRUE(QTest::qWaitFor([&] { return WindowCount() == 2; }));
    XdoTool({"key", "Return"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return WindowCount() == 1; }));

    // Staff replace the catalogue while a visitor has the about window open.
    WriteJpeg("images/new.jpg", 300, 200, QColor(200, 30, 30));
    std::ofstream(folder_ / "datas.dat", std::ios::binary)
        << "1\r\nNew\r\nHely N\r\nIdo N\r\n##\r\nnew.jpg\r\n##\r\n";
    ClickAt(About);
    ASSERT_NO_FATAL_FAILURE(GreetedAgain());
    // A change younger than its settling time waits for the return after.
    if (PictureColour().red() < 150) {
        ASSERT_NO_FATAL_FAILURE(GreetedAgain());
    }
    EXPECT_GT(PictureColour().red(), 150);
    const QImage updated = MainWindowImage();

    // Half copied: the list names a picture that is not there yet.
    std::ofstream(folder_ / "datas.dat", std::ios::binary)
        << "1\r\nHalf\r\nHely\r\nIdo\r\n##\r\nmissing.jpg\r\n##\r\n";
    ClickAt(About);
    ASSERT_NO_FATAL_FAILURE(GreetedAgain());
    EXPECT_FALSE(Shown(Splash, true, 4500)); // nor later, once it has settled
    EXPECT_TRUE(MainWindowImage() == updated);
    kill(static_cast<pid_t>(program_.processId()), SIGTERM);
    ASSERT_TRUE(program_.waitForFinished(5000));
    EXPECT_TRUE(program_.readAllStandardError().contains("missing.jpg"));
}

TEST_F(Kiosk, TheSaveDialogNeitherChangesFilesNorLeavesItsFolder) {
    std::ofstream(Path("usb/kep.jpg").toStdString()) << "visitor's";
    // As systemd runs the unit (Type=notify, WatchdogSec=2): readiness once, then pings.
    const int manager = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK, 0);
    sockaddr_un address{AF_UNIX, {}};
    qstrncpy(address.sun_path, Path("runtime/notify").toLocal8Bit(), sizeof address.sun_path);
    ASSERT_EQ(bind(manager, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    environment_.insert("NOTIFY_SOCKET", address.sun_path);
    environment_.insert("WATCHDOG_USEC", "2000000");
    ASSERT_NO_FATAL_FAILURE(LaunchKiosk({"--save-to", Path("usb")}));

    ClickAt(Save);
    ASSERT_TRUE(QTest::qWaitFor([&] { return WindowCount() == 2; }));
    // A right click on the file list opens no menu (rename, delete, new folder, hidden files).
    const QRect box = DialogGeometry();
    ClickAt(box.topLeft() + QPoint(box.width() * 2 / 5, box.height() * 2 / 5), 3);
    QTest::qWait(500);
    EXPECT_EQ(WindowCount(), 2);
    XdoTool({"key", "alt+n"});

    auto typeName = [&](const char* name) {
        XdoTool({"key", "ctrl+a"});
        XdoTool({"type", name});
        XdoTool({"key", "Return"});
    };
    typeName("../kint.jpg");
    ASSERT_TRUE(QTest::qWaitFor([&] { return WindowCount() == 3; })) << "no refusal shown";
    XdoTool({"key", "Return"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return WindowCount() == 2; }));
    EXPECT_FALSE(QFile::exists(Path("kint.jpg")));

    typeName("kep.jpg");
    ASSERT_TRUE(QTest::qWaitFor([&] { return WindowCount() == 1; }));
    std::ifstream kept(Path("usb/kep.jpg").toStdString());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "visitor's");
    EXPECT_TRUE(QFile::exists(Path("usb/kep-2.jpg")));
    QStringList told;
    char message[64];
    for (ssize_t size; (size = recv(manager, message, sizeof message, 0)) > 0;)
        told << QString::fromLatin1(message, size);
    close(manager);
    EXPECT_EQ(told.count("READY=1"), 1) << told.join(' ').toStdString();
    EXPECT_GE(told.count("WATCHDOG=1"), 2) << told.join(' ').toStdString();
}

// The viewer process the session script runs now (0 while none runs; the script also runs
// sleep and date).
qint64 ViewerOf(qint64 session) {
    QFile children(QString("/proc/%1/task/%1/children").arg(session));
    if (!children.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& child : children.readAll().trimmed().split(' ')) {
        QFile name("/proc/" + child + "/comm");
        if (name.open(QIODevice::ReadOnly) && name.readAll().trimmed() == "vendral")
            return child.toLongLong();
    }
    return 0;
}

TEST_F(Kiosk, TheSessionStartsTheViewerAgainAfterACrashAndAFreeze) {
    QProcess session;
    environment_.insert("VENDRAL", VENDRAL_PROGRAM);
    session.setProcessEnvironment(environment_);
    session.start("sh", {VENDRAL_SESSION, Path(""), "--scale", "1"});
    auto splashOfANewViewer = [&](qint64 old) {
        return QTest::qWaitFor(
            [&] {
                windowsOf_ = ViewerOf(session.processId());
                return windowsOf_ != 0 && windowsOf_ != old && Windows().contains("WIDTH=817");
            },
            30000);
    };
    ASSERT_TRUE(splashOfANewViewer(0));
    // The figures go to the test's output; a slow machine must not fail the test.
    for (const int signal : {SIGKILL, SIGSTOP}) {
        const qint64 viewer = windowsOf_;
        QElapsedTimer clock;
        clock.start();
        kill(static_cast<pid_t>(viewer), signal);
        ASSERT_TRUE(splashOfANewViewer(viewer)) << strsignal(signal);
        std::cout << "splash back after " << strsignal(signal) << ": " << clock.elapsed()
                  << " ms\n";
    }
    session.terminate(); // the display manager ends the session
    ASSERT_TRUE(session.waitForFinished(10000));
    EXPECT_EQ(session.exitStatus(), QProcess::NormalExit);
    EXPECT_TRUE(QTest::qWaitFor([&] { return kill(static_cast<pid_t>(windowsOf_), 0) != 0; }));
}

// The windows on a kiosk's own screen, an X server of that size started for the case.
TEST_F(Kiosk, FillsFullHdAndUltraHdScreens) {
    struct Screen {
        const char* size;
        double scale;
    };
    for (const Screen screen : {Screen{"1920x1080", 1.5}, Screen{"3840x2160", 3.0}}) {
        SCOPED_TRACE(screen.size);
        QProcess server;
        server.start("Xvfb", {"-displayfd", "1", "-screen", "0", QString(screen.size) + "x24",
                              "-nolisten", "tcp"});
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.canReadLine(); }, 10000));
        const QString display = ":" + QString::fromLatin1(server.readLine().trimmed());
        QProcessEnvironment environment = environment_;
        environment.insert("DISPLAY", display);
        QProcess viewer;
        viewer.setProcessEnvironment(environment);
        viewer.setWorkingDirectory(Path(""));
        viewer.start(VENDRAL_PROGRAM, {"--kiosk"});
        // Its windows' geometry on that display, the splash first.
        auto geometry = [&](int width) {
            QRect found;
            (void)QTest::qWaitFor([&] {
                QProcess xdotool;
                xdotool.setProcessEnvironment(environment);
                xdotool.start("xdotool", {"search", "--onlyvisible", "--pid",
                                          QString::number(viewer.processId()), "",
                                          "getwindowgeometry", "--shell", "%@"});
                xdotool.waitForFinished();
                for (const QString& window :
                     QString(xdotool.readAllStandardOutput()).split("WINDOW=")) {
                    QMap<QString, int> value;
                    for (const QString& line : window.split('\n'))
                        value[line.section('=', 0, 0)] = line.section('=', 1).toInt();
                    if (std::abs(value["WIDTH"] - width) <= 1)
                        found = QRect(value["X"], value["Y"], value["WIDTH"], value["HEIGHT"]);
                }
                return found.isValid();
            });
            return found;
        };
        auto click = [&](QPoint at) {
            QProcess xdotool;
            xdotool.setProcessEnvironment(environment);
            xdotool.start("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()),
                                      "click", "1"});
            xdotool.waitForFinished();
        };
        const double f = screen.scale;
        const QRect splash = geometry(qRound(817 * f));
        ASSERT_TRUE(splash.isValid());
        click(splash.topLeft() + QPoint(300 * f, 300 * f));
        const QRect introduction = geometry(qRound(789 * f));
        ASSERT_TRUE(introduction.isValid());
        click(introduction.topLeft() + QPoint(374 * f, 483 * f));
        const QRect main = geometry(qRound(818 * f));
        ASSERT_TRUE(main.isValid());
        EXPECT_NEAR(main.height(), 663 * f, 1);
        std::cout << screen.size << ": main window " << main.width() << " x " << main.height()
                  << " at " << main.x() << ", " << main.y() << "\n";
        viewer.kill();
        viewer.waitForFinished();
        server.kill();
        server.waitForFinished();
    }
}

} // namespace

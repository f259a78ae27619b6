// The program as a kiosk or a desktop session meets it: started as a process of its own on a
// bare X server (no window manager), with a private home, driven through the real pointer and
// keyboard.

#include "pictures/pictures.h"
#include "tests/skin/xdotool.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Where the windows first appear on the 1280 x 1024 test screen.
const QRect Splash(231, 177, 817, 670);
const QRect Introduction(220, 84, 789, 567);
const QRect Main(231, 180, 818, 663);
const QRect NoHits(460, 440, 360, 143);

// In main window client pixels.
const QPoint PictureCentre(10 + 264, 4 + 225);
const QPoint SearchBox(576 + 60, 417 + 10);
const QPoint SaveButton(564 + 46, 16 + 16);
const QPoint CloseButton(754 + 15, 18 + 14);
const QPoint SecondSlot(161 + 56, 508 + 56);
constexpr int ListLeft = 572, ListTop = 68, RowHeight = 17;

QColor EntryColour(int entry, int picture) {
    return QColor::fromHsv((entry * 60 + picture * 25) % 360, 220, 220);
}

bool Near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           40;
}

void WriteJpeg(const QString& path, int width, int height, QColor colour) {
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.insert(pixels.end(), {std::uint8_t(colour.red()), std::uint8_t(colour.green()),
                                     std::uint8_t(colour.blue())});
    const auto bytes = EncodeJpeg(pixels.data(), width, height, false, 95);
    std::ofstream(path.toStdString(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

QColor ScreenColour(QPoint at) {
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, at.x(), at.y(), 1, 1)
        .toImage()
        .pixelColor(0, 0);
}

class Session : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        for (const char* sub : {"catalogue/images", "home", "config", "runtime"})
            ASSERT_TRUE(QDir(folder_.path()).mkpath(sub));
        QFile::setPermissions(Path("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // Six entries, "Hely A" … "Hely F", with two pictures each, all of their own colour.
        std::string text = "6\r\n";
        for (int entry = 0; entry < 6; ++entry) {
            const std::string letter(1, char('A' + entry));
            text += "Cim " + letter + "\r\nHely " + letter + "\r\nIdo\r\n##\r\n";
            for (int picture = 1; picture <= 2; ++picture) {
                const std::string name = letter + std::to_string(picture) + ".jpg";
                WriteJpeg(Path("catalogue/images/" + QString::fromStdString(name)), 160, 120,
                          EntryColour(entry, picture));
                text += name + "\r\n";
            }
            text += "##\r\n";
        }
        std::ofstream(Path("catalogue/datas.dat").toStdString(), std::ios::binary) << text;
        for (const char* face : {"radioon.jpg", "radiooff.jpg"})
            WriteJpeg(Path("catalogue/") + face, 24, 24, Qt::gray);
        for (const char* face : {"activearrowleft.jpg", "inactivearrowleft.jpg",
                                 "activearrowright.jpg", "inactivearrowright.jpg"})
            WriteJpeg(Path("catalogue/") + face, 12, 31, Qt::gray);

        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert("HOME", Path("home"));
        environment_.insert("XDG_CONFIG_HOME", Path("config"));
        environment_.insert("XDG_RUNTIME_DIR", Path("runtime"));
        for (const char* name : {"WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
            environment_.remove(name);
    }

    void TearDown() override {
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished();
        }
    }

    QString Path(const QString& relative) const { return folder_.filePath(relative); }

    // Starts the program and closes the splash and the introduction by their own areas.
    void Start() {
        program_.setProcessEnvironment(environment_);
        program_.setWorkingDirectory(Path("catalogue"));
        program_.start(VENDRAL_PROGRAM);
        ASSERT_TRUE(program_.waitForStarted()) << program_.errorString().toStdString();
        ASSERT_TRUE(WaitForWindow(Splash, true, 10000)) << "no splash";
        ClickAt(Splash.topLeft() + QPoint(300, 300)); // the photograph
        ASSERT_TRUE(WaitForWindow(Introduction, true));
        ClickAt(Introduction.topLeft() + QPoint(374, 483)); // its OK area
        ASSERT_TRUE(WaitForWindow(Main, true));
    }

    // Closes the main window with its cross; the program must end by itself, with status 0.
    void Stop() {
        ClickAt(Main.topLeft() + CloseButton);
        // The event loops of the pointer helpers may already have seen it end.
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return program_.state() == QProcess::NotRunning; }, 5000));
        EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program_.exitCode(), 0);
    }

    std::vector<QRect> Windows() {
        QProcess search;
        search.start("xdotool", {"search", "--onlyvisible", "--pid",
                                 QString::number(program_.processId()), ""});
        search.waitForFinished();
        std::vector<QRect> windows;
        for (const QString& id : QString::fromLatin1(search.readAllStandardOutput()).split('\n')) {
            if (id.isEmpty())
                continue;
            QProcess geometry;
            geometry.start("xdotool", {"getwindowgeometry", "--shell", id});
            geometry.waitForFinished();
            std::map<QString, int> values;
            for (const QString& line : QString::fromLatin1(geometry.readAllStandardOutput())
                                           .split('\n', Qt::SkipEmptyParts))
                values[line.section('=', 0, 0)] = line.section('=', 1).toInt();
            windows.emplace_back(values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]);
        }
        return windows;
    }

    bool WaitForWindow(QRect window, bool shown, int timeoutMs = 5000) {
        return QTest::qWaitFor(
            [&] {
                const auto windows = Windows();
                return (std::find(windows.begin(), windows.end(), window) != windows.end()) ==
                       shown;
            },
            timeoutMs);
    }

    bool WaitForPicture(QColor colour) {
        return QTest::qWaitFor(
            [&] { return Near(ScreenColour(Main.topLeft() + PictureCentre), colour); }, 3000);
    }

    QTemporaryDir folder_;
    QProcessEnvironment environment_;
    QProcess program_;
};

TEST_F(Session, TheKeyboardWorksFromTheFirstMomentAndComesBackAfterAMessage) {
    ASSERT_NO_FATAL_FAILURE(Start());
    // Nobody clicked the search box: the typed text and Enter reach it all the same.
    XdoTool({"type", "--delay", "20", "nincs ilyen"});
    XdoTool({"key", "Return"});
    ASSERT_TRUE(WaitForWindow(NoHits, true));
    ClickAt(NoHits.topLeft() + QPoint(168, 80));
    ASSERT_TRUE(WaitForWindow(NoHits, false));
    XdoTool({"key", "Return"});
    ASSERT_TRUE(WaitForWindow(NoHits, true));
    // Away from the first click: two quick presses in one place make a double click.
    ClickAt(NoHits.topLeft() + QPoint(152, 74));
    ASSERT_TRUE(WaitForWindow(NoHits, false));
    Stop();
}

TEST_F(Session, APressThatDriftsActsWhereItWasPressed) {
    ASSERT_NO_FATAL_FAILURE(Start());
    ClickAt(Main.topLeft() + SearchBox);
    XdoTool({"type", "--delay", "20", "Hely B"});
    XdoTool({"key", "Return"});
    ASSERT_TRUE(WaitForPicture(EntryColour(1, 1)));

    // A thumbnail takes a press that moves a few pixels within it.
    const QPoint slot = Main.topLeft() + SecondSlot;
    Drag(slot, slot + QPoint(3, 3));
    ASSERT_TRUE(WaitForPicture(EntryColour(1, 2)));

    // The back row (row 4 of the result list) rebuilds the list under the finger; the drift
    // onto the full list's row 4 must not select entry E.
    const QPoint backRow = Main.topLeft() + QPoint(ListLeft + 60, ListTop + 4 * RowHeight + 6);
    Drag(backRow, backRow + QPoint(0, 3));
    QTest::qWait(300);
    EXPECT_TRUE(Near(ScreenColour(Main.topLeft() + PictureCentre), EntryColour(1, 2)));
    Stop();
}

TEST_F(Session, OpeningAndCancellingTheSaveDialogLeavesTheHomeEmpty) {
    ASSERT_NO_FATAL_FAILURE(Start());
    ClickAt(Main.topLeft() + SaveButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Windows().size() >= 2; }, 5000));
    const auto dialog = Windows();
    XdoTool({"key", "Escape"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return Windows().size() < dialog.size(); }, 3000));
    Stop();
    for (const char* folder : {"home", "config"})
        EXPECT_TRUE(
            QDir(Path(folder)).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            << folder;
}

TEST_F(Session, AWaylandSessionRunsThroughXWayland) {
    // A Wayland display that takes connections and never answers: a program that chose it
    // would wait forever, and its splash would never reach the X server.
    const QString socketPath = Path("runtime/wayland-test");
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), qsizetype(sizeof address.sun_path));
    std::strcpy(address.sun_path, socketPath.toLocal8Bit().constData());
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 4), 0);
    environment_.insert("WAYLAND_DISPLAY", "wayland-test");
    environment_.insert("XDG_SESSION_TYPE", "wayland");
    environment_.remove("QT_QPA_PLATFORM");

    ASSERT_NO_FATAL_FAILURE(Start());
    Stop();
    close(listener);
}

} // namespace

#pragma once
// The real program started as a process of its own on the bare test X server (no window
// manager), with a private home, driven through the real pointer and keys.

#include "tests/mainwindow/program_fixture.h"
#include "tests/skin/xdotool.h"

#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QTest>

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
    void Launch(const QStringList& arguments = {}) {
        program_.setProcessEnvironment(environment_);
        program_.setWorkingDirectory(Path(""));
        program_.start(VENDRAL_PROGRAM, arguments);
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
        xdotool.start("xdotool", {"search", "--onlyvisible", "--pid",
                                  QString::number(windowsOf_ ? windowsOf_ : program_.processId()),
                                  "", "getwindowgeometry", "--shell", "%@"});
        xdotool.waitForFinished();
        return QString::fromLatin1(xdotool.readAllStandardOutput());
    }

    QProcessEnvironment environment_ = QProcessEnvironment::systemEnvironment();
    // The process whose windows are looked for, when it is not program_.
    qint64 windowsOf_ = 0;
    QProcess program_;
};

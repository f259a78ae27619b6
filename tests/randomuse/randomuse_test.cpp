// The long random-use run: the whole program on a real X server, driven by a random user from
// a fixed seed through 4,000 actions, once on the demo catalogue and once on a folder of
// hostile files. It passes when the program neither crashes nor hangs (a watchdog ends the
// process after 30 s without an action), every secondary window came up, and the resident
// memory at the end is within 30 MB of its level after the first 200 actions. No printer is
// reachable (CUPS_SERVER leads nowhere), so a print can only fail; saves stay in the run's
// folder.

#include "app/windowset.h"
#include "app/windowtable.h"
#include "bench/hostile/hostilefiles.h"
#include "bench/pictureview/processmemory.h"
#include "mainwindow/tform1.h"
#include "shell/application.h"
#include "tests/randomuse/randomuser.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <malloc.h>
#include <map>
#include <thread>

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr int Actions = 4000, BaselineActions = 200;
constexpr double AllowedGrowthMb = 30;

// After returning freed heap to the system, so that what counts is what the program holds.
double ResidentMb() {
    ::malloc_trim(0);
    return OwnStatusMegabytes("VmRSS").value_or(-1);
}

// Counts the windows that come up, by name ("message" for the message boxes).
struct ShownWindows : QObject {
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow())
            ++counts[qobject_cast<QMessageBox*>(watched) ? "message"
                                                         : watched->objectName().toStdString()];
        return false;
    }
    std::map<std::string, int> counts;
};

class RandomUseRun : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vendral-random-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        fs::create_directories(root_ / "saved");
        previous_ = fs::current_path();
        ::setenv("CUPS_SERVER", (root_ / "no-print-server.sock").c_str(), 1);
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(root_);
    }

    void Run(const fs::path& catalogue, unsigned seed) {
        fs::current_path(catalogue);
        ShownWindows shown;
        QCoreApplication::instance()->installEventFilter(&shown);
        RandomUser user(seed, QString::fromStdString((root_ / "saved").string()));
        std::atomic<bool> running{true};
        std::thread watchdog([&] {
            for (int seen = -1, idle = 0; running; std::this_thread::sleep_for(1s)) {
                idle = user.Done() == seen ? idle + 1 : 0;
                seen = user.Done();
                if (idle == 30) {
                    std::fprintf(stderr, "hung: no action for 30 s after action %d\n", seen);
                    std::abort();
                }
            }
        });
        double baseline = -1, end = -1;
        int nextSample = BaselineActions;
        {
            WindowSet windows;
            user.Start(Actions, [&](int done) {
                // Measured between actions with no modal window up, every 250 for the record.
                if (done >= nextSample && RandomUser::TargetWindow() == Form(Window::Main)) {
                    const double resident = ResidentMb();
                    std::printf("resident after %d actions: %.1f MB\n", done, resident);
                    baseline = baseline < 0 ? resident : baseline;
                    nextSample = (done / 250 + 1) * 250;
                }
                if (user.Finished()) {
                    end = ResidentMb();
                    QCoreApplication::exit(0);
                }
            });
            Form(Window::Main)
                ->Show(); // the splash and the introduction come up modally; the user answers
            while (end < 0)
                QCoreApplication::exec(); // closing the main window ends it; the user goes on
        }
        running = false;
        watchdog.join();
        QCoreApplication::instance()->removeEventFilter(&shown);
        for (const auto& [name, count] : shown.counts)
            std::printf("shown %s: %d\n", name.c_str(), count);
        // Every window the user can open: all but the main window and the never-shown print
        // page, and the save dialog.
        std::vector<std::string> opened = {"SavePictureDialog1"};
        for (const WindowEntry& entry : WindowTable())
            if (entry.window != Window::Main && entry.window != Window::PrintPage)
                opened.emplace_back(entry.className);
        for (const std::string& window : opened)
            EXPECT_GT(shown.counts[window], 0) << window << " never came up";
        EXPECT_GT(baseline, 0);
        EXPECT_LE(end - baseline, AllowedGrowthMb) << "at the end: " << end << " MB";
    }

    fs::path root_, previous_;
};

TEST_F(RandomUseRun, DemoCatalogue) {
    fs::copy(VENDRAL_DEMO_DIR, root_ / "demo", fs::copy_options::recursive);
    Run(root_ / "demo", 20240601);
}

TEST_F(RandomUseRun, HostileFiles) {
    WriteHostileFolder(root_ / "hostile");
    Run(root_ / "hostile", 20240602);
}

} // namespace

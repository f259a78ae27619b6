// The long random-use run: the whole program on a real X server, driven by a random user from
// a fixed seed through 4,000 actions, once on the demo catalogue and once on a folder of
// hostile files. It passes when the program neither crashes nor hangs (a watchdog ends the
// process after 30 s without an action) and its resident memory at the end is within 30 MB of
// its level after the first 200 actions. No printer is reachable (CUPS_SERVER leads nowhere),
// so a print can only fail; saves go to the run's own folder.

#include "application.h"
#include "hostilefiles.h"
#include "randomuser.h"
#include "tform.h"
#include "tform1.h"
#include "windowset.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <map>
#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

constexpr int Actions = 4000;
constexpr int BaselineActions = 200;
constexpr double AllowedGrowthMb = 30;
constexpr auto HangAfter = std::chrono::seconds(30);

// Resident size in MB after returning freed heap to the system, so that what is counted is
// what the program still holds.
double ResidentMb() {
    ::malloc_trim(0);
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024;
    }
    return -1;
}

// Counts the windows that come up, by class name, and the message boxes.
class ShownWindows : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            const QString name = qobject_cast<QMessageBox*>(watched) ? QStringLiteral("message")
                                                                     : watched->objectName();
            if (!name.isEmpty())
                ++counts[name.toStdString()];
        }
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
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    void Run(const fs::path& catalogue, unsigned seed) {
        fs::current_path(catalogue);
        ShownWindows shown;
        QCoreApplication::instance()->installEventFilter(&shown);
        RandomUser user(seed, QString::fromStdString((root_ / "saved").string()));
        std::atomic<bool> running{true};
        std::thread watchdog([&] {
            int seen = -1;
            auto since = std::chrono::steady_clock::now();
            while (running) {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                if (user.Done() != seen) {
                    seen = user.Done();
                    since = std::chrono::steady_clock::now();
                } else if (std::chrono::steady_clock::now() - since > HangAfter) {
                    std::fprintf(stderr, "hung: no action for 30 s after action %d\n", seen);
                    std::abort();
                }
            }
        });

        double baseline = -1, end = -1;
        int nextSample = BaselineActions;
        const auto settled = [] { return RandomUser::TargetWindow() == MainForm(); };
        {
            WindowSet windows;
            user.Start(Actions, [&](int done) {
                // Measured between actions, with no modal window up.
                if (done >= nextSample && settled()) {
                    const double resident = ResidentMb();
                    std::printf("resident after %d actions: %.1f MB\n", done, resident);
                    if (baseline < 0)
                        baseline = resident;
                    nextSample = (done / 250 + 1) * 250;
                }
                if (user.Finished()) {
                    end = ResidentMb();
                    QCoreApplication::exit(0);
                }
            });
            // The splash and the introduction come up modally here; the user answers them.
            Form(1)->Show();
            // Closing the main window ends the event loop; the user carries on.
            while (end < 0)
                QCoreApplication::exec();
        }
        running = false;
        watchdog.join();
        QCoreApplication::instance()->removeEventFilter(&shown);

        std::printf("resident at the end: %.1f MB (after %d actions: %.1f MB)\n", end,
                    BaselineActions, baseline);
        for (const auto& [name, count] : shown.counts)
            std::printf("shown %s: %d\n", name.c_str(), count);
        EXPECT_GE(user.Done(), Actions);
        // Every secondary window came up (and was closed again, or the run would not end).
        for (const char* window :
             {"TForm2", "TForm3", "TForm5", "TForm6", "TForm7", "TForm8", "SavePictureDialog1"})
            EXPECT_GT(shown.counts[window], 0) << window << " never came up";
        EXPECT_GT(baseline, 0);
        EXPECT_LE(end - baseline, AllowedGrowthMb);
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

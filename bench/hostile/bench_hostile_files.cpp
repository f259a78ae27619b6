// The viewer on hostile catalogue folders: for each case, the real program in a process of its
// own starts in a folder whose first entry is a good picture and whose second is the case's file
// (or whose datas.dat is the case's file); the visitor clicks the second title. Prints
// "case: answers after A ms, settled after S ms, peak P MB, titles, reports" lines: A from the
// click until the window handles its next event (after the paint that follows the click), S
// until the shown pictures are decoded or a report was made, the peak resident size (VmHWM), the
// rows of the title list and the error reports; or how the process ended when it did not get
// that far (killed after 60 s, or a signal). The process may use at most 8 GB of address space
// (--address-space GB to change it), so an unbounded case fails there instead of taking the
// machine.
//   bench_hostile_files [--address-space GB] [CASE...]   every case when none is named

#include "bench/hostile/hostilefiles.h"
#include "bench/pictureview/processmemory.h"
#include "bench/pictureview/viewdriver.h"
#include "mainwindow/tform1.h"
#include "pictures/pictures.h"
#include "shell/application.h"
#include "shell/errorreport.h"
#include "skin/timage.h"
#include "skin/tlistbox.h"

#include <chrono>

#include <QCoreApplication>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int TimeLimitSeconds = 60;
rlim_t AddressSpaceLimit = rlim_t{8} << 30;

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Whether the main picture and the visible slots have what they draw: a JPEG its decode, a
// metafile its render.
bool Settled(const ViewDriver& driver) {
    if (driver.Reports() > 0)
        return true;
    std::vector<const TImage*> shown{driver.Main().MainImage};
    for (const TImage* slot : driver.Main().imageprev)
        shown.push_back(slot);
    for (const TImage* image : shown) {
        const auto* jpeg = dynamic_cast<const TJPEGImage*>(image->Picture().Graphic());
        if (image->DecodeUnshown() || (image->isVisible() && jpeg != nullptr && !jpeg->Decoded()))
            return false;
    }
    return true;
}

// The child: the program in the case's folder, then one line of figures.
[[noreturn]] void RunCase(const std::string& name, const std::filesystem::path& folder) {
    const rlimit limit{AddressSpaceLimit, AddressSpaceLimit};
    ::setrlimit(RLIMIT_AS, &limit);
    ::alarm(TimeLimitSeconds);
    std::filesystem::current_path(folder);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int argc = 1;
    char program[] = "vendral";
    char* argv[] = {program, nullptr};
    TApplication application(argc, argv);
    std::string reports;
    int count = 0;
    {
        Clock::time_point start = Clock::now();
        ViewDriver driver;
        driver.PaintNow();
        if (const int row = driver.RowOf("Hostile"); row >= 0) {
            start = Clock::now();
            driver.ClickRow(row);
            driver.Main().repaint();
        }
        bool answered = false;
        QTimer::singleShot(0, [&answered] { answered = true; });
        while (!answered)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double answer = MillisecondsSince(start);
        while (!Settled(driver) && MillisecondsSince(start) < (TimeLimitSeconds - 5) * 1000.0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        driver.PaintNow();
        const double settled = MillisecondsSince(start);
        count = driver.Reports();
        std::printf("%s: answers after %.0f ms, settled after %.0f ms, peak %.0f MB, %d titles, "
                    "%d reports\n",
                    name.c_str(), answer, settled, OwnStatusMegabytes("VmHWM").value_or(-1),
                    driver.Main().ListBox1->RowCount(), count);
        std::fflush(stdout);
    }
    std::_Exit(0);
}

void RemoveFolder(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> names;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--address-space" && i + 1 < argc)
            AddressSpaceLimit = static_cast<rlim_t>(std::stoul(argv[++i])) << 30;
        else
            names.push_back(argv[i]);
    }
    if (names.empty()) {
        for (const HostileCase& hostile : HostileCases())
            names.push_back(hostile.name);
    }
    for (const std::string& name : names) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vendral-hostile-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            return 1;
        const std::filesystem::path folder = pattern;
        WriteHostileCase(folder, name);
        std::fflush(stdout);
        const pid_t child = ::fork();
        if (child == 0)
            RunCase(name, folder);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM)
            std::printf("%s: no answer after %d s\n", name.c_str(), TimeLimitSeconds);
        else if (WIFSIGNALED(status))
            std::printf("%s: ended by signal %d\n", name.c_str(), WTERMSIG(status));
        else if (WEXITSTATUS(status) != 0)
            std::printf("%s: exit status %d\n", name.c_str(), WEXITSTATUS(status));
        std::fflush(stdout);
        RemoveFolder(folder);
    }
    return 0;
}

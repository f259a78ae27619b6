// The viewer on hostile catalogue folders: for each case, the real program in a process of its
// own starts in a folder whose first entry is the case's file (or whose datas.dat is), shows
// that entry and paints. Prints "case: peak MB, titles, reports" lines: the peak resident size
// (VmHWM), the rows of the title list and the error reports, or how the process ended when it
// did not get that far (killed after 60 s, or a signal). The process may use at most 8 GB of
// address space, so an unbounded case fails there instead of taking the machine.
//   bench_hostile_files [CASE...]   every case when none is named

#include "bench/hostile/hostilefiles.h"
#include "bench/pictureview/processmemory.h"
#include "bench/pictureview/viewdriver.h"
#include "mainwindow/tform1.h"
#include "shell/application.h"
#include "shell/errorreport.h"
#include "skin/tlistbox.h"

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
constexpr rlim_t AddressSpaceLimit = rlim_t{8} << 30;

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
        ViewDriver driver;
        driver.PaintNow();
        count = driver.Reports();
        std::printf("%s: peak %.0f MB, %d titles, %d reports\n", name.c_str(),
                    OwnStatusMegabytes("VmHWM").value_or(-1), driver.Main().ListBox1->RowCount(),
                    count);
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
    for (int i = 1; i < argc; ++i)
        names.push_back(argv[i]);
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

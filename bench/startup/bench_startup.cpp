// Start-up time: from starting the process until its first window (the viewer's splash) has
// painted, for the viewer and for a bare one-window Qt program built beside it, each started
// RUNS times in turn on Qt's offscreen platform. Prints "name: value" lines, medians.
//   bench_startup VIEWER BARE CATALOGUE_FOLDER [RUNS]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// Milliseconds from just before the start until the painted stamp the program writes; a
// negative value when it wrote none.
double StartMillis(const std::string& program, const std::string& folder) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t child = 0;
    const auto start = std::chrono::steady_clock::now();
    const int failed = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    std::string text;
    char buffer[64];
    ssize_t got = 0;
    while (!failed && (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeEnds[0]);
    if (failed)
        return -1;
    int status = 0;
    ::waitpid(child, &status, 0);
    if (text.empty())
        return -1;
    const long long painted = std::atoll(text.c_str());
    const long long started =
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    return static_cast<double>(painted - started) / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_startup VIEWER BARE CATALOGUE_FOLDER [RUNS]\n");
        return 2;
    }
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 10;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The programs start in the catalogue folder: absolute paths.
    const std::string viewerPath = std::filesystem::absolute(argv[1]).string();
    const std::string barePath = std::filesystem::absolute(argv[2]).string();
    std::vector<double> viewer, bare;
    // In turn, so a busy moment of the machine falls on both alike.
    for (int run = 0; run < runs; ++run) {
        viewer.push_back(StartMillis(viewerPath, argv[3]));
        bare.push_back(StartMillis(barePath, argv[3]));
        if (viewer.back() < 0 || bare.back() < 0) {
            std::fprintf(stderr, "a program ended without painting a window\n");
            return 1;
        }
    }
    const double startup = Median(viewer);
    const double bareStartup = Median(bare);
    std::printf("startup_ms: %.1f\n", startup);
    std::printf("bare_qt_startup_ms: %.1f\n", bareStartup);
    std::printf("startup_vs_bare_qt: %.3f\n", startup / bareStartup);
    return 0;
}

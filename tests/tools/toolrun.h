#pragma once
// Runs one of the project's command-line tools as a user would, through the shell.

#include <cstdio>
#include <string>
#include <sys/wait.h>

struct ToolRun {
    int exitCode = -1; // -1 when it could not be started or did not exit on its own
    std::string output;
};

// command: the whole shell command line, redirections included.
inline ToolRun RunTool(const std::string& command) {
    ToolRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.output.append(buffer, got);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

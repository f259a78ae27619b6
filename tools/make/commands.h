#pragma once
// The two commands of vendral-make. Each returns the exit status: 0 written, 1 problems found
// (reported on standard error, nothing written), 2 bad arguments.

#include <string>

inline constexpr int Written = 0, ProblemsFound = 1, BadArguments = 2;

struct CommandOptions {
    std::string from, to; // build: source, catalogue; import: catalogue, source
    bool force = false, quiet = false;
};

int RunBuild(const CommandOptions& options);
int RunImport(const CommandOptions& options);

#include "tools/make/report.h"

#include <algorithm>
#include <cstdio>

void ReportProblems(const std::string& file, std::vector<Problem> problems) {
    std::stable_sort(problems.begin(), problems.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    for (const Problem& problem : problems) {
        if (problem.line > 0)
            std::fprintf(stderr, "%s:%d: %s\n", file.c_str(), problem.line,
                         problem.message.c_str());
        else
            std::fprintf(stderr, "%s: %s\n", file.c_str(), problem.message.c_str());
    }
    std::fprintf(stderr, "vendral-make: %zu problem%s found; nothing written\n", problems.size(),
                 problems.size() == 1 ? "" : "s");
}

void ReportFailure(const std::string& message) {
    std::fprintf(stderr, "vendral-make: %s\n", message.c_str());
}

#pragma once
// How vendral-make tells its user what is wrong: "file:line: message" on standard error, the
// way compilers do, so editors can jump to the line.

#include "tools/make/sourcefile.h"

#include <string>
#include <vector>

// In line order; a problem with line 0 names the file alone.
void ReportProblems(const std::string& file, std::vector<Problem> problems);

// "vendral-make: message" on standard error.
void ReportFailure(const std::string& message);

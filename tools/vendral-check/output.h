#pragma once
// vendral-check's two ways of printing what it found.

#include "tools/vendral-check/check.h"

#include <string>
#include <string_view>

// For people: every entry, then the error, then the missing files.
std::string TextReport(const CheckResult& result);

// One JSON object: record_count, records, colour_spaces, error, missing_files.
std::string JsonReport(const CheckResult& result);

// A JSON string literal for UTF-8 text.
std::string JsonString(std::string_view utf8);

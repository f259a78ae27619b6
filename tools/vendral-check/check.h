#pragma once
// What vendral-check finds in a catalogue folder: the store as the viewer would load it, the
// error the viewer would report, and the picture and face files the viewer could not open.

#include "catalogue/catalogue.h"
#include "tools/vendral-check/pagecheck.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct CheckResult {
    std::unique_ptr<Catalogue> catalogue;  // the store after loading, complete or not
    std::optional<std::string> error;      // UTF-8, as the error report shows it
    std::vector<std::string> missingFiles; // UTF-8, relative to the folder, first seen first
    // Every picture found, first seen first, with its colour space as the viewer takes it
    // ("untagged", "sRGB", "Adobe RGB (1998)", ..., "profile not usable").
    std::vector<std::pair<std::string, std::string>> colourSpaces;
    PagesCheck pages; // the folder's own pages, if any
};

// The faces the main window loads from its start directory.
inline constexpr const char* FaceFiles[] = {
    "radioon.jpg",           "radiooff.jpg",         "activearrowleft.jpg",
    "inactivearrowleft.jpg", "activearrowright.jpg", "inactivearrowright.jpg",
};

CheckResult CheckFolder(const std::string& folder);

// 0 when the catalogue loads and every file is there, 1 when files are missing or a page does
// not suit its window, 2 when the catalogue does not load.
int ExitCode(const CheckResult& result);

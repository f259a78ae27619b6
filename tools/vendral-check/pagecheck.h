#pragma once
// The pages a catalogue folder brings in pages/ in place of the viewer's built-in ones, and
// whether each suits its window.

#include "catalogue/pagefiles.h"

#include <string>
#include <vector>

struct FoundPage {
    PageFile page;
    std::string name;    // as the folder spells it, relative to the folder
    PageSize size;       // 0 x 0 when it could not be read
    std::string problem; // "" when the window shows it as meant
};

struct PagesCheck {
    std::vector<FoundPage> pages;    // in the order of AllPages
    std::vector<std::string> others; // files in pages/ the viewer never reads
    bool Problems() const;
};

// folder: with a trailing "/", or empty for the current one.
PagesCheck CheckPages(const std::string& folder);

// The width and height in a JPEG's frame header; 0 x 0 when the bytes are no JPEG.
PageSize JpegFrameSize(const std::vector<unsigned char>& bytes);

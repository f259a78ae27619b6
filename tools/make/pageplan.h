#pragma once
// The catalogue's own pages (pages/): set from the source's texts in the artwork's typography,
// or copied from finished page pictures, all checked before anything is written.

#include "catalogue/pagefiles.h"
#include "tools/make/cataloguetext.h"
#include "tools/make/sourcefile.h"

#include <cstdint>
#include <string>
#include <vector>

struct PageJob {
    PageFile page;
    std::vector<std::uint8_t> jpeg; // the page set from its text, or
    std::string source;             // the finished page copied unchanged
};

struct PagesPlan {
    std::vector<PageJob> pages;
    bool ownTexts = false; // the source has words of its own for the pages
};

// entries: as planned for datas.dat, whose picture names each description page lists.
PagesPlan PlanPages(const std::string& sourceFolder, const ParsedSource& parsed,
                    const std::vector<CatalogueEntry>& entries, std::vector<Problem>& problems);

// "19 descriptions, introduction 1 and 2, splash, about"; "" when none.
std::string PagesSummary(const PagesPlan& plan);

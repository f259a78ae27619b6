#pragma once
// The main window's process-wide working data: what the picture view and the title list keep
// between events.

#include <cstdint>
#include <string>

struct ViewState {
    // The current directory when the main window was first shown; never changed afterwards.
    std::string StartDirectory;
    // Position in the shown entry's picture list of the picture in thumbnail slot 1.
    std::uint16_t ThumbnailPage = 0;
    // "/images/" + the name of the picture in the main picture area; empty before the first.
    std::string CurrentPicturePath;
    // The record the picture view last showed an entry of (0 before the first). The strip and
    // the arrows fall back to it when the selected row has no entry behind it.
    int ShownRecord = 0;
    // 1 = place-and-time search, 2 = index search.
    std::uint8_t SearchMode = 1;
    // 1 while the title list shows a result list.
    std::uint8_t ResultsShown = 0;
};

ViewState& View();

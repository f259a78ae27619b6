#pragma once
// The name rules of saving a copy: what the dialog proposes, what the filter offers, and the
// path the copy finally goes to.

#include <string>
#include <string_view>
#include <vector>

struct PictureFormatEntry {
    std::string extension; // lower case, without the dot; empty for the catch-all entry
    std::string description;
};

// The dialog's filter, "All (…)|…|description (*.ext)|*.ext|…", from the format list given in
// registration order (walked from the last entry to the first).
std::string BuildPictureFilter(const std::vector<PictureFormatEntry>& formats);

// The bare file name proposed for a picture path such as "/images/abc.jpg".
std::string ProposedFileName(std::string_view currentPicturePath);

// The chosen path lower-cased (ASCII letters only, folders included), with ".jpg" appended
// unless the path holds ".jpg" anywhere.
std::string SaveTargetPath(std::string_view chosenPath);

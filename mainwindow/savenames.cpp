#include "mainwindow/savenames.h"

#include "core/cp1250.h"
#include "mainwindow/textcontains.h"

std::string BuildPictureFilter(const std::vector<PictureFormatEntry>& formats) {
    std::string descriptions;
    std::string patterns;
    int taken = 0;
    for (auto entry = formats.rbegin(); entry != formats.rend(); ++entry) {
        if (entry->extension.empty())
            continue;
        if (taken > 0) {
            descriptions += '|';
            patterns += ';';
        }
        descriptions += entry->description + " (*." + entry->extension + ")|*." + entry->extension;
        patterns += "*." + entry->extension;
        ++taken;
    }
    if (taken > 1)
        return "All (" + patterns + ")|" + patterns + "|" + descriptions;
    return descriptions;
}

std::string ProposedFileName(std::string_view currentPicturePath) {
    // "/images/" is eight characters; the name starts at the ninth.
    constexpr std::size_t prefix = 8;
    return currentPicturePath.size() > prefix ? std::string(currentPicturePath.substr(prefix))
                                              : std::string();
}

std::string SaveTargetPath(std::string_view chosenPath) {
    std::string path = AsciiLower(chosenPath);
    if (!TextContains(path, ".jpg"))
        path += ".jpg";
    return path;
}

#pragma once
// Catalogue updates on a kiosk: staff copy a new catalogue folder over the old one (or
// vendral-make replaces it by one rename, or a share several kiosks read changes under them).
// The folder is looked at by its path, so a folder renamed into place is seen; a new catalogue
// is used only once it loads whole, with every picture and face it names present and nothing
// in it changed for a moment; otherwise the one read before stays in use and the log says
// why. Visitors never see any of it.

#include "catalogue/catalogue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the folder holds, as far as the viewer reads it: datas.dat, images/ and the faces.
struct FolderFingerprint {
    struct File {
        std::string name;
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t changedNs = 0;
        bool operator==(const File&) const = default;
    };
    std::vector<File> files;
    std::int64_t newestChangeNs = 0;
    bool operator==(const FolderFingerprint& other) const { return files == other.files; }
};

FolderFingerprint TakeFingerprint(const std::string& folder);

// The names a catalogue needs that the folder lacks (pictures under images/, the faces).
std::vector<std::string> MissingFiles(const Catalogue& catalogue, const std::string& folder);

class CatalogueWatch {
public:
    // folder: the start directory, whose catalogue was just read.
    explicit CatalogueWatch(std::string folder);

    // When the folder changed since it was read: reads it into a new store and, when that is
    // complete, returns it (and makes the folder the current directory again, in case it was
    // replaced). nullopt when nothing changed or the change cannot be used yet.
    std::optional<Catalogue> ReadIfChanged();

private:
    std::string folder_;
    FolderFingerprint read_;
    // The last change found unusable: reported once, tried again when the folder changes.
    FolderFingerprint refused_;
};

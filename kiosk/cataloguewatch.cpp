#include "kiosk/cataloguewatch.h"

#include "core/errors.h"
#include "core/files.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace {
// A file changed this recently may still be being written.
constexpr std::int64_t SettleNs = 2'000'000'000;

constexpr const char* FaceFiles[] = {"radioon.jpg",          "radiooff.jpg",
                                     "activearrowleft.jpg",  "inactivearrowleft.jpg",
                                     "activearrowright.jpg", "inactivearrowright.jpg"};

void Note(FolderFingerprint& print, const std::string& path, const std::string& name) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return;
    const std::int64_t changed =
        std::max<std::int64_t>(status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec,
                               status.st_ctim.tv_sec * 1'000'000'000LL + status.st_ctim.tv_nsec);
    print.files.push_back(
        {name, status.st_dev, status.st_ino, static_cast<std::uint64_t>(status.st_size), changed});
    print.newestChangeNs = std::max(print.newestChangeNs, changed);
}

std::int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void Log(const std::string& text) {
    std::fprintf(stderr, "vendral: %s\n", text.c_str());
}
} // namespace

FolderFingerprint TakeFingerprint(const std::string& folder) {
    FolderFingerprint print;
    Note(print, folder, ".");
    Note(print, folder + "/datas.dat", "datas.dat");
    for (const char* face : FaceFiles)
        Note(print, folder + "/" + face, face);
    const std::string images = folder + "/images";
    Note(print, images, "images");
    if (std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(images.c_str()), closedir); listing) {
        std::vector<std::string> names;
        while (const dirent* entry = readdir(listing.get()))
            if (entry->d_name[0] != '.')
                names.push_back(entry->d_name);
        std::sort(names.begin(), names.end());
        for (const std::string& name : names)
            Note(print, images + "/" + name, "images/" + name);
    }
    return print;
}

std::vector<std::string> MissingFiles(const Catalogue& catalogue, const std::string& folder) {
    std::vector<std::string> missing;
    auto need = [&](const std::string& name) {
        if (!name.empty() && !files::Resolve(folder + "/" + name))
            missing.push_back(name);
    };
    for (int k = 1; k <= catalogue.RecordCount; ++k) {
        const CatalogueRecord& record = catalogue.Record(k);
        need("images/" + record.MainPicture);
        for (int i = 1; i <= record.PictureCount; ++i)
            need("images/" + record.Picture(i));
    }
    for (const char* face : FaceFiles)
        need(face);
    return missing;
}

CatalogueWatch::CatalogueWatch(std::string folder)
    : folder_(std::move(folder)), read_(TakeFingerprint(folder_)) {}

std::optional<Catalogue> CatalogueWatch::ReadIfChanged() {
    const FolderFingerprint now = TakeFingerprint(folder_);
    if (now == read_ || now == refused_)
        return std::nullopt;
    if (NowNs() - now.newestChangeNs < SettleNs) {
        Log("the catalogue in " + folder_ + " is changing; looked at again next time");
        return std::nullopt;
    }
    auto refuse = [&](const std::string& why) {
        refused_ = now;
        Log("the changed catalogue in " + folder_ + " is not used (" + why +
            "); the one read before stays");
        return std::nullopt;
    };
    auto fresh = std::make_unique<Catalogue>();
    try {
        LoadCatalogueFile(*fresh, folder_ + "/" + CatalogueFileName);
    } catch (const Exception& failure) {
        return refuse(failure.Message());
    }
    if (const std::vector<std::string> missing = MissingFiles(*fresh, folder_); !missing.empty())
        return refuse(std::to_string(missing.size()) + " files missing, the first " +
                      missing.front());
    // Caught while it was being copied: what was read may be a mixture.
    if (!(TakeFingerprint(folder_) == now)) {
        Log("the catalogue in " + folder_ +
            " changed while it was read; looked at again next time");
        return std::nullopt;
    }
    // A folder replaced by a rename is a new folder: the old one may be gone.
    files::SetCurrentDirectory(folder_);
    read_ = now;
    Log("the catalogue in " + folder_ +
        " changed and was read again: " + std::to_string(fresh->RecordCount) + " entries");
    return std::move(*fresh);
}

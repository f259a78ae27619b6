#include "mainwindow/savefolders.h"

#include "core/files.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {
std::string RealPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

bool IsFolder(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// /proc/self/mounts writes a blank in a mount point as \040.
std::string Unescaped(const std::string& field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string octal = field.substr(i + 1, 3);
            if (octal.find_first_not_of("01234567") == std::string::npos) {
                text += static_cast<char>(std::stoi(octal, nullptr, 8));
                i += 3;
                continue;
            }
        }
        text += field[i];
    }
    return text;
}

std::vector<std::string> MountedMedia() {
    std::vector<std::string> media;
    std::ifstream mounts("/proc/self/mounts");
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint;
        fields >> device >> mountPoint;
        mountPoint = Unescaped(mountPoint);
        if (mountPoint.rfind("/media/", 0) == 0 || mountPoint.rfind("/run/media/", 0) == 0)
            media.push_back(mountPoint);
    }
    return media;
}

bool Within(const std::string& path, const std::string& folder) {
    if (folder == "/")
        return true;
    return path == folder ||
           (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
            path[folder.size()] == '/');
}

std::string ParentOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == 0 || slash == std::string::npos ? std::string("/") : path.substr(0, slash);
}
} // namespace

SavePolicy& TheSavePolicy() {
    static SavePolicy policy;
    return policy;
}

std::string NormalisedPath(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos)
            end = path.size();
        const std::string_view part = path.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string normalised;
    for (const std::string_view part : parts) {
        normalised += '/';
        normalised += part;
    }
    return normalised.empty() ? std::string("/") : normalised;
}

std::vector<std::string> PresentSaveFolders(const SavePolicy& policy) {
    std::vector<std::string> present;
    for (const std::string& folder : policy.folders.empty() ? MountedMedia() : policy.folders) {
        const std::string real = RealPath(folder);
        if (!real.empty() && IsFolder(real))
            present.push_back(real);
    }
    return present;
}

SaveRefusal CheckLockedTarget(const std::string& path, const std::vector<std::string>& folders) {
    // The folder the file goes into, as the system will find it.
    const std::string folder = RealPath(ParentOf(path));
    if (folder.empty())
        return SaveRefusal::OutsideFolders;
    const std::string real = folder + (folder == "/" ? "" : "/") + path.substr(path.rfind('/') + 1);
    for (const std::string& allowed : folders) {
        if (!Within(real, allowed) || real == allowed)
            continue;
        if (real.find("/.", allowed.size()) != std::string::npos)
            return SaveRefusal::Hidden;
        return SaveRefusal::None;
    }
    return SaveRefusal::OutsideFolders;
}

std::string ExistingTarget(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) == 0)
        return path;
    // The resolver hands back the path itself when looking fails for any other reason than
    // absence (a name too long, say), so that opening reports that reason.
    const std::optional<std::string> resolved = files::Resolve(path);
    if (resolved && lstat(resolved->c_str(), &status) == 0)
        return *resolved;
    return {};
}

std::string FreeTargetName(const std::string& path) {
    if (ExistingTarget(path).empty())
        return path;
    const std::size_t slash = path.rfind('/');
    std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < slash + 2)
        dot = path.size();
    for (int n = 2;; ++n) {
        const std::string candidate =
            path.substr(0, dot) + "-" + std::to_string(n) + path.substr(dot);
        if (ExistingTarget(candidate).empty())
            return candidate;
    }
}

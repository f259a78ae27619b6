#include "tools/make/stagingfolder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string HiddenBeside(const fs::path& target, const char* purpose) {
    const fs::path parent = target.parent_path().empty() ? "." : target.parent_path();
    return (parent / ("." + target.filename().string() + "." + purpose + "-XXXXXX")).string();
}

fs::path Normal(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::weakly_canonical(fs::absolute(path), error);
    return error ? fs::path(path).lexically_normal() : absolute;
}

} // namespace

std::string TargetRefusal(const std::string& target, bool force, const char* marker) {
    std::error_code error;
    const fs::path path = Normal(target);
    if (!fs::is_directory(path.parent_path(), error))
        return "the folder " + path.parent_path().string() + " does not exist";
    if (!fs::exists(fs::symlink_status(path, error)))
        return {};
    if (!force)
        return target + " already exists; add --force to replace it";
    if (!fs::is_directory(path, error) || fs::is_symlink(fs::symlink_status(target, error)))
        return target + " is not a folder; not replacing it";
    if (!fs::exists(path / marker, error) && !fs::is_empty(path, error))
        return target + " holds no " + marker + "; not replacing a folder that is not ours";
    return {};
}

bool IsWithin(const std::string& inner, const std::string& outer) {
    const fs::path in = Normal(inner), out = Normal(outer);
    auto i = in.begin();
    for (auto o = out.begin(); o != out.end(); ++o, ++i) {
        if (o->empty() && std::next(o) == out.end())
            break; // a trailing separator
        if (i == in.end() || *i != *o)
            return false;
    }
    return true;
}

StagingFolder::StagingFolder(const std::string& target) : target_(Normal(target).string()) {
    std::string pattern = HiddenBeside(target_, "vendral-make");
    if (::mkdtemp(pattern.data()) == nullptr) {
        failure_ = "cannot create a folder beside " + target + ": " + std::strerror(errno);
        return;
    }
    // mkdtemp keeps it private; the finished folder gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(pattern.c_str(), 0777 & ~mask);
    path_ = pattern;
}

StagingFolder::~StagingFolder() {
    if (!path_.empty()) {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
}

std::string StagingFolder::Commit() {
    std::error_code error;
    std::string old;
    if (fs::exists(fs::symlink_status(target_, error))) {
        old = HiddenBeside(target_, "replaced");
        if (::mkdtemp(old.data()) == nullptr)
            return "cannot create a folder beside " + target_ + ": " + std::strerror(errno);
        if (std::rename(target_.c_str(), old.c_str()) != 0) {
            const std::string why = std::strerror(errno);
            fs::remove(old, error);
            return "cannot move the old " + target_ + " aside: " + why;
        }
    }
    if (std::rename(path_.c_str(), target_.c_str()) != 0) {
        const std::string why = std::strerror(errno);
        if (!old.empty())
            std::rename(old.c_str(), target_.c_str());
        return "cannot move the new folder to " + target_ + ": " + why;
    }
    path_.clear();
    if (!old.empty())
        fs::remove_all(old, error);
    return {};
}

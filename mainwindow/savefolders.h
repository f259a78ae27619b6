#pragma once
// Where a save may go. Anywhere the user can write, normally; on a kiosk only into the folders
// allowed (removable media, or the folders the command line names), never into a hidden file
// and never over an existing one, so a visitor cannot damage the account the kiosk runs as.

#include <string>
#include <string_view>
#include <vector>

struct SavePolicy {
    bool lockedDown = false;
    bool disabled = false;
    // Allowed folders; empty means the removable media mounted under /media and /run/media.
    std::vector<std::string> folders;
};

// The process-wide policy, set once at start-up.
SavePolicy& TheSavePolicy();

// An absolute path with "." and empty components dropped and each ".." taking away the
// component before it (never climbing above the root), as the path reads; symbolic links are
// not looked at.
std::string NormalisedPath(std::string_view path);

// The allowed folders that exist now, symbolic links followed (for the default, the media
// mounted now), in the order given.
std::vector<std::string> PresentSaveFolders(const SavePolicy& policy);

// Why a locked-down save to path (normalised, absolute) is refused; empty when it is allowed:
// its folder, with links followed, lies in one of the folders, and no component below that
// folder is hidden.
enum class SaveRefusal { None, OutsideFolders, Hidden };
SaveRefusal CheckLockedTarget(const std::string& path, const std::vector<std::string>& folders);

// The existing file a save to path would replace (letter case resolved as the copy resolves
// it, a link counting as a file); empty when there is none.
std::string ExistingTarget(const std::string& path);

// path itself when free, otherwise the first free "name-2.ext", "name-3.ext", ...
std::string FreeTargetName(const std::string& path);

#pragma once
// The folder a command writes: everything goes into a hidden folder beside it, which takes
// its place only when complete, so a failure never leaves half a folder behind.

#include <optional>
#include <string>

// Why `target` may not be written ("" when it may): its parent folder must exist; an existing
// target is replaced only with force, and only when it looks like what we write (holds
// `marker`, or is empty), so a slip of the tongue cannot wipe an unrelated folder.
std::string TargetRefusal(const std::string& target, bool force, const char* marker);

// True when `inner` is `outer` or lies inside it.
bool IsWithin(const std::string& inner, const std::string& outer);

class StagingFolder {
public:
    explicit StagingFolder(const std::string& target);
    ~StagingFolder(); // removes the folder unless committed
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    // Empty when the folder could not be created (then Failure says why).
    const std::string& Path() const { return path_; }
    const std::string& Failure() const { return failure_; }

    // Moves the folder into the target's place, replacing an existing target; "" or why not
    // (the old target is then kept).
    std::string Commit();

private:
    std::string target_, path_, failure_;
};

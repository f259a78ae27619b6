#pragma once
// File services. Paths are written as the catalogue and the program write them: "\" is a
// separator as much as "/" (so "C:\KIOSK/images/a.jpg" and "\radioon.jpg" work), and a name
// that does not exist exactly is found under the one name that differs only in letter case.
// Messages always show a path exactly as it was passed in; only the opening resolves it.

#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace files {

// "\" becomes the platform separator; nothing else changes.
std::string NativePath(std::string_view path);

// The path to open: the native path if it exists, otherwise the one existing path whose
// components differ from it only in ASCII case (nullopt when none or several do).
std::optional<std::string> Resolve(std::string_view path);

struct ReadResult {
    std::vector<std::uint8_t> bytes;
    int error = 0;          // errno of the failed open or read; 0 on success
    std::uint64_t size = 0; // the file's size, when it was refused as too large
};

// What ReadWholeFile refuses without reading: anything but a regular file (a FIFO would block
// the program, a device such as /dev/zero never ends), and a file larger than asked for.
inline constexpr int NotRegularFile = ENODEV;
inline constexpr int FileTooLarge = EFBIG;

// Reads the whole of a regular file of at most maxBytes bytes. Never blocks: the type is
// checked before the file is opened, and again on the open file. A directory fails with
// EISDIR, any other file that is not a regular one with NotRegularFile, a larger file with
// FileTooLarge (and its size), all before a byte is read.
ReadResult ReadWholeFile(std::string_view path, std::uint64_t maxBytes);

// What tells one version of a regular file from another without reading it.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t modified = 0; // nanoseconds
    std::uint64_t device = 0, inode = 0;
    bool operator==(const FileStamp&) const = default;
};
// nullopt for a missing name and anything but a regular file.
std::optional<FileStamp> StampOf(std::string_view path);

// The current directory, without a trailing separator except at the root.
std::string CurrentDirectory();
bool SetCurrentDirectory(std::string_view path);

// Copies source over target (replacing it). On failure returns the system's reason.
std::optional<std::string> CopyFileReplacing(std::string_view source, std::string_view target);

} // namespace files

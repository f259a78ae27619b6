#include "core/files.h"

#include "core/cp1250.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include <fcntl.h>

namespace files {

namespace {

bool AsciiCaseEqual(std::string_view a, std::string_view b) {
    return a.size() == b.size() && AsciiLower(a) == AsciiLower(b);
}

bool HasHighBytes(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

// errno of stat(), 0 when the path names an existing entry.
int StatError(const std::string& path, struct stat* info = nullptr) {
    struct stat local;
    return ::stat(path.c_str(), info ? info : &local) == 0 ? 0 : errno;
}

// The one entry of directory `dir` whose name equals `name` up to ASCII case. Catalogue names
// are code page 1250 bytes while file names on disk are usually UTF-8, so the UTF-8 spelling of
// the name counts as well.
std::optional<std::string> FindInDirectory(const std::string& dir, std::string_view name) {
    const std::string utf8 = HasHighBytes(name) ? Cp1250ToUtf8(name) : std::string();
    std::error_code error;
    std::filesystem::directory_iterator it(dir.empty() ? "." : dir, error);
    if (error)
        return std::nullopt;
    std::set<std::string> found;
    for (const auto end = std::filesystem::directory_iterator(); it != end; it.increment(error)) {
        if (error)
            return std::nullopt;
        std::string entry = it->path().filename().string();
        if (AsciiCaseEqual(entry, name) || (!utf8.empty() && AsciiCaseEqual(entry, utf8)))
            found.insert(std::move(entry));
    }
    if (found.size() != 1)
        return std::nullopt;
    return *found.begin();
}

// The path without its last component: "." for a bare name, "/" for a name in the root.
std::string ParentOf(const std::string& native) {
    const auto slash = native.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return native.substr(0, slash);
}

std::string LastComponent(const std::string& native) {
    const auto slash = native.find_last_of('/');
    return slash == std::string::npos ? native : native.substr(slash + 1);
}

// Why a path that does not resolve cannot be opened: ENOENT when its folder exists,
// ENOTDIR when the folder part itself is missing.
int MissingError(const std::string& native) {
    const auto parent = Resolve(ParentOf(native));
    struct stat info;
    if (parent && StatError(*parent, &info) == 0 && S_ISDIR(info.st_mode))
        return ENOENT;
    return ENOTDIR;
}

// The error of a file the reader will not read: 0 for a regular file.
int RefusedType(const struct stat& info) {
    if (S_ISREG(info.st_mode))
        return 0;
    return S_ISDIR(info.st_mode) ? EISDIR : NotRegularFile;
}

std::string Reason(int error) {
    return std::strerror(error);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, so that a failure to flush is seen; errno of the close or 0.
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Writes everything; 0 or errno.
int WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

// Copies the open source into fd; 0 or errno.
int CopyContents(int source, int fd) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(source, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (got == 0)
            return 0;
        if (const int error = WriteAll(fd, buffer, static_cast<std::size_t>(got)))
            return error;
    }
}

mode_t DefaultFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::string NativePath(std::string_view path) {
    std::string native(path);
#ifndef _WIN32
    for (char& c : native) {
        if (c == '\\')
            c = '/';
    }
#endif
    return native;
}

std::optional<std::string> Resolve(std::string_view path) {
    const std::string native = NativePath(path);
    if (native.empty())
        return std::nullopt;
    const int error = StatError(native);
    // Anything but a missing name (no access, a name too long) is for the opening to report.
    if (error == 0 || (error != ENOENT && error != ENOTDIR))
        return native;

    std::string resolved;
    std::size_t start = 0;
    if (native[0] == '/') {
        resolved = "/";
        start = 1;
    }
    while (start <= native.size()) {
        const auto slash = native.find('/', start);
        const auto end = slash == std::string::npos ? native.size() : slash;
        const std::string_view component(native.data() + start, end - start);
        const bool keep = component.empty() || component == "." || component == "..";
        // `resolved` is empty or ends with a separator here.
        std::string candidate = resolved + std::string(component);
        if (!keep && StatError(candidate) != 0) {
            const auto found = FindInDirectory(resolved, component);
            if (!found)
                return std::nullopt;
            candidate = resolved + *found;
        }
        resolved = std::move(candidate);
        if (slash == std::string::npos)
            break;
        // Keep separators as written, doubled ones included.
        resolved += '/';
        start = slash + 1;
    }
    if (StatError(resolved) != 0)
        return std::nullopt;
    return resolved;
}

std::optional<FileStamp> StampOf(std::string_view path) {
    const auto resolved = Resolve(path);
    struct stat info;
    if (!resolved || ::stat(resolved->c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    FileStamp stamp;
    stamp.size = static_cast<std::uint64_t>(info.st_size);
    stamp.modified =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    stamp.device = static_cast<std::uint64_t>(info.st_dev);
    stamp.inode = static_cast<std::uint64_t>(info.st_ino);
    return stamp;
}

ReadResult ReadWholeFile(std::string_view path, std::uint64_t maxBytes) {
    ReadResult result;
    const std::string native = NativePath(path);
    const auto resolved = Resolve(path);
    if (!resolved) {
        result.error = native.empty() ? ENOENT : MissingError(native);
        return result;
    }
    // Refused before opening: opening a FIFO for reading waits for a writer.
    struct stat info;
    if (::stat(resolved->c_str(), &info) != 0) {
        result.error = errno;
        return result;
    }
    if (const int refused = RefusedType(info)) {
        result.error = refused;
        return result;
    }
    // Non-blocking all the same: the name may have been replaced since.
    FileDescriptor file(::open(resolved->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0) {
        result.error = errno;
        return result;
    }
    if (::fstat(file.get(), &info) != 0) {
        result.error = errno;
        return result;
    }
    if (const int refused = RefusedType(info)) {
        result.error = refused;
        return result;
    }
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > maxBytes) {
        result.error = FileTooLarge;
        result.size = size;
        return result;
    }
    // Straight into the result up to the size the file has now (a picture of megabytes is then
    // copied once, not twice), the rest of a file that grows through a buffer.
    // A large file's buffer is sized in steps of 256 KB: the place a freed one leaves then fits
    // the next file of about its size (a photograph after a photograph), and the heap does not
    // grow by holes a few kilobytes too small.
    constexpr std::uint64_t Step = 256 << 10;
    if (size >= Step)
        result.bytes.reserve(static_cast<std::size_t>((size + Step - 1) / Step * Step));
    result.bytes.resize(static_cast<std::size_t>(size));
    std::uint64_t total = 0;
    while (total < size) {
        const ssize_t got =
            ::read(file.get(), result.bytes.data() + total, static_cast<std::size_t>(size - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.error = errno;
            result.bytes.clear();
            return result;
        }
        if (got == 0)
            break; // it shrank
        total += static_cast<std::uint64_t>(got);
    }
    result.bytes.resize(static_cast<std::size_t>(total));
    if (total < size)
        return result;
    // A file that grows while it is read is cut off at one byte past the limit and refused.
    std::uint8_t buffer[1 << 16];
    for (;;) {
        const std::uint64_t left = maxBytes - total; // total never passes maxBytes here
        const std::size_t wanted =
            left < sizeof buffer ? static_cast<std::size_t>(left) + 1 : sizeof buffer;
        const ssize_t got = ::read(file.get(), buffer, wanted);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            result.error = errno;
            result.bytes.clear();
            return result;
        }
        if (got == 0)
            break;
        total += static_cast<std::uint64_t>(got);
        if (total > maxBytes) {
            result.bytes = {};
            result.error = FileTooLarge;
            result.size = total;
            return result;
        }
        result.bytes.insert(result.bytes.end(), buffer, buffer + got);
    }
    return result;
}

std::string CurrentDirectory() {
    std::error_code error;
    std::string current = std::filesystem::current_path(error).string();
    if (error)
        return {};
    while (current.size() > 1 && current.back() == '/')
        current.pop_back();
    return current;
}

bool SetCurrentDirectory(std::string_view path) {
    const auto resolved = Resolve(path);
    return resolved && ::chdir(resolved->c_str()) == 0;
}

std::optional<std::string> CopyFileReplacing(std::string_view source, std::string_view target) {
    const auto from = Resolve(source);
    if (!from)
        return Reason(MissingError(NativePath(source)));
    // Only a regular file is copied, and nothing waits on a FIFO put in its place.
    struct stat sourceInfo;
    if (StatError(*from, &sourceInfo) == 0 && RefusedType(sourceInfo) != 0)
        return Reason(RefusedType(sourceInfo));
    FileDescriptor input(::open(from->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (input.get() < 0)
        return Reason(errno);
    if (::fstat(input.get(), &sourceInfo) != 0)
        return Reason(errno);
    if (const int refused = RefusedType(sourceInfo))
        return Reason(refused);

    // An existing target is replaced under its own spelling; a new one goes into the folder
    // found for the target's folder part, under the name as given.
    const std::string native = NativePath(target);
    if (native.empty())
        return Reason(ENOENT);
    std::string to = native;
    if (const auto existing = Resolve(native)) {
        to = *existing;
    } else if (const auto folder = Resolve(ParentOf(native))) {
        to = *folder + (folder->back() == '/' ? "" : "/") + LastComponent(native);
    }
    struct stat targetInfo;
    const bool targetExists = StatError(to, &targetInfo) == 0;
    if (targetExists && S_ISDIR(targetInfo.st_mode))
        return Reason(EISDIR);

    // Write beside the target and rename over it, so a failed copy never leaves the old file
    // half overwritten, and a file copied onto itself is never truncated before it is read.
    // The rename also reports a name too long for the platform.
    const std::string folder = ParentOf(to);
    std::string temporary = folder + (folder.back() == '/' ? "" : "/") + ".vendral-copy-XXXXXX";
    FileDescriptor output(::mkstemp(temporary.data()));
    if (output.get() < 0)
        return Reason(errno);
    const mode_t mode = targetExists ? (targetInfo.st_mode & 07777) : DefaultFileMode();
    int error = CopyContents(input.get(), output.get());
    if (error == 0 && ::fchmod(output.get(), mode) != 0)
        error = errno;
    if (const int closeError = output.Close(); error == 0)
        error = closeError;
    if (error == 0 && ::rename(temporary.c_str(), to.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Reason(error);
    }
    return std::nullopt;
}

} // namespace files

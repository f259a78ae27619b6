#include "pictures/metafilesandbox.h"

#include "pictures/metafileformat.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <new>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

bool& SandboxOn() {
    static bool on = true;
    return on;
}

// What the child may use: memory on top of what it inherits, processor seconds, and the wall
// time the viewer waits for it.
constexpr rlim_t ChildExtraAddressSpace = rlim_t{1} << 30;
constexpr rlim_t ChildProcessorSeconds = 10;
constexpr int ChildWallSeconds = 15;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif
#else
constexpr bool Sanitized = false;
#endif

// The child's system calls: memory, reading and writing what it holds, font files opened for
// reading (libwmf measures text), and ending. Anything else kills it.
bool InstallSystemCallFilter() {
#define VENDRAL_ALLOW(name)                                                                        \
    BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_##name, 0, 1),                                         \
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW)
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        // Files only for reading: openat's flags (its third argument) without a write mode or
        // O_CREAT.
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_openat, 0, 4),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
        BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, O_WRONLY | O_RDWR | O_CREAT | O_TRUNC, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        VENDRAL_ALLOW(read),
        VENDRAL_ALLOW(write),
        VENDRAL_ALLOW(close),
        VENDRAL_ALLOW(fstat),
        VENDRAL_ALLOW(newfstatat),
        VENDRAL_ALLOW(lseek),
        VENDRAL_ALLOW(pread64),
        VENDRAL_ALLOW(getdents64),
        VENDRAL_ALLOW(mmap),
        VENDRAL_ALLOW(munmap),
        VENDRAL_ALLOW(mremap),
        VENDRAL_ALLOW(mprotect),
        VENDRAL_ALLOW(brk),
        VENDRAL_ALLOW(madvise),
        VENDRAL_ALLOW(futex),
        VENDRAL_ALLOW(ioctl),
        VENDRAL_ALLOW(fcntl),
        VENDRAL_ALLOW(clock_gettime),
        VENDRAL_ALLOW(getpid),
        VENDRAL_ALLOW(gettid),
        VENDRAL_ALLOW(rt_sigprocmask),
        VENDRAL_ALLOW(rt_sigreturn),
        VENDRAL_ALLOW(sysinfo),
        VENDRAL_ALLOW(getrandom),
        VENDRAL_ALLOW(exit),
        VENDRAL_ALLOW(exit_group),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
    };
#undef VENDRAL_ALLOW
    const sock_fprog program{static_cast<unsigned short>(sizeof filter / sizeof filter[0]), filter};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

rlim_t AddressSpaceNow() {
    long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    return static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}

bool WriteAll(int fd, const void* data, std::size_t size) {
    const auto* at = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, at, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        at += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// The child's answer: the four view box numbers, the two of the logical size, the SVG's length,
// then the SVG.
struct Answer {
    double viewBox[4];
    double logicalSize[2];
    std::uint64_t length;
};

[[noreturn]] void RunChild(int out, std::span<const std::uint8_t> file, bool enhanced,
                           rlim_t addressSpace) {
    if (!Sanitized) {
        const rlimit memory{addressSpace, addressSpace};
        const rlimit processor{ChildProcessorSeconds, ChildProcessorSeconds};
        if (::setrlimit(RLIMIT_AS, &memory) != 0 || ::setrlimit(RLIMIT_CPU, &processor) != 0 ||
            !InstallSystemCallFilter())
            ::_exit(4); // no sandbox, no conversion
    }
    std::optional<MetafileSvg> svg;
    try {
        svg = enhanced ? EmfToSvg(file) : WmfToSvg(file);
    } catch (const std::bad_alloc&) {
        ::_exit(3);
    } catch (...) {
        ::_exit(2);
    }
    if (!svg)
        ::_exit(2);
    const Answer answer{
        {svg->viewBox.x(), svg->viewBox.y(), svg->viewBox.width(), svg->viewBox.height()},
        {svg->logicalSize.width(), svg->logicalSize.height()},
        static_cast<std::uint64_t>(svg->svg.size())};
    const bool sent =
        WriteAll(out, &answer, sizeof answer) &&
        WriteAll(out, svg->svg.constData(), static_cast<std::size_t>(svg->svg.size()));
    ::_exit(sent ? 0 : 2);
}

} // namespace

void SetMetafileSandbox(bool on) {
    SandboxOn() = on;
}

bool MetafileSandboxOn() {
    return SandboxOn();
}

MetafileConversion ConvertMetafileInChild(std::span<const std::uint8_t> file, bool enhanced) {
    MetafileConversion result;
    if (!SandboxOn()) {
        result.svg = enhanced ? EmfToSvg(file) : WmfToSvg(file);
        result.end = result.svg ? MetafileChildEnd::Converted : MetafileChildEnd::Rejected;
        return result;
    }
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        throw std::bad_alloc();
    const rlim_t addressSpace = AddressSpaceNow() + ChildExtraAddressSpace;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        throw std::bad_alloc(); // no process to be had: as good as no memory
    }
    if (child == 0) {
        ::close(pipeEnds[0]);
        RunChild(pipeEnds[1], file, enhanced, addressSpace);
    }
    ::close(pipeEnds[1]);

    std::vector<char> received;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(ChildWallSeconds);
    bool timedOut = false;
    bool tooLarge = false;
    char buffer[65536];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            timedOut = true;
            break;
        }
        pollfd wait{pipeEnds[0], POLLIN, 0};
        const int ready = ::poll(&wait, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            timedOut = ready == 0;
            break;
        }
        const ssize_t got = ::read(pipeEnds[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        received.insert(received.end(), buffer, buffer + got);
        if (received.size() > sizeof(Answer) + MaxMetafileDrawingBytes) {
            tooLarge = true;
            break;
        }
    }
    ::close(pipeEnds[0]);
    if (timedOut || tooLarge)
        ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (tooLarge) {
        result.end = MetafileChildEnd::TooLarge;
        return result;
    }
    // Out of time or memory (an allocation refused, or processor seconds spent); a crash or a
    // forbidden system call makes the file as invalid as a rejection does.
    if (timedOut || (WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU) ||
        (WIFEXITED(status) && WEXITSTATUS(status) == 3)) {
        result.end = MetafileChildEnd::OutOfLimits;
        return result;
    }
    Answer answer{};
    if (WEXITSTATUS(status) != 0 || received.size() < sizeof answer)
        return result; // rejected
    std::memcpy(&answer, received.data(), sizeof answer);
    if (answer.length != received.size() - sizeof answer)
        return result;
    MetafileSvg svg;
    svg.viewBox =
        QRectF(answer.viewBox[0], answer.viewBox[1], answer.viewBox[2], answer.viewBox[3]);
    svg.logicalSize = QSizeF(answer.logicalSize[0], answer.logicalSize[1]);
    svg.svg = QByteArray(received.data() + sizeof answer, static_cast<qsizetype>(answer.length));
    result.svg = std::move(svg);
    result.end = MetafileChildEnd::Converted;
    return result;
}

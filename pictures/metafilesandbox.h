#pragma once
// The metafile libraries trust their input (fuzzing found an allocation of gigabytes and reads
// past the buffer in them, and they are not built with the sanitizers), so they run in a child
// process of their own, as sandboxed image loaders on the desktop do: forked for one file, with
// its address space and processor time bounded and a system-call filter that leaves it reading
// and writing what it was given and nothing else. A crash, a time-out or a limit reached there
// makes the file invalid (or too complex), and the viewer goes on.

#include "pictures/metafilesvg.h"

#include <optional>
#include <span>

// What went wrong in the child, when nothing came back.
enum class MetafileChildEnd {
    Converted,
    Rejected,    // the library refused the file
    OutOfLimits, // killed by its memory, time or system-call bounds, or crashed
    TooLarge,    // its drawing passed MaxMetafileDrawingBytes (metafileformat.h)
};

struct MetafileConversion {
    std::optional<MetafileSvg> svg;
    MetafileChildEnd end = MetafileChildEnd::Rejected;
};

// Converts in a child process; enhanced picks libemf2svg, else libwmf.
MetafileConversion ConvertMetafileInChild(std::span<const std::uint8_t> file, bool enhanced);

// Off: the libraries run in this process (the fuzz harness, whose own sanitizers should see
// them, and a process that must not fork).
void SetMetafileSandbox(bool on);
bool MetafileSandboxOn();

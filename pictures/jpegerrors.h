#pragma once
// libjpeg's failures as the program's own: its error exit jumps back to the caller (a C++
// exception must never unwind libjpeg's C frames), warnings are dropped, and the message code
// is renumbered to the version-6 list the program reports.

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t first
#include <string>

#include <jpeglib.h>

struct JpegErrorManager {
    jpeg_error_mgr library;
    std::jmp_buf escape;
};

// Installs the manager on a compressor or decompressor before it is created.
jpeg_error_mgr* InstallJpegErrorManager(JpegErrorManager& manager);

// The library's message code as libjpeg version 6 numbers it.
int Version6MessageCode(int libraryCode);

// libjpeg's own text for a message code, without the values it would fill in.
std::string JpegMessageText(int libraryCode);

// Raises EJPEG "JPEG error #%d" for a code the library reported.
[[noreturn]] void RaiseJpegError(int libraryCode);

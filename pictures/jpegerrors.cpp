#include "pictures/jpegerrors.h"

#include "core/errors.h"

#include <jerror.h>

namespace {

void ErrorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->escape, 1);
}

void IgnoreMessage(j_common_ptr, int) {}

// Version 6b inserted JERR_IMAGE_TOO_BIG (the dimension check) into the alphabetical list,
// numbering every later message one higher than version 6 did; the installed library keeps
// the 6b numbering. The static checks fail the build if a different list is installed.
static_assert(JERR_IMAGE_TOO_BIG == 41 && JERR_INPUT_EMPTY == 42 && JERR_NO_SOI == 53,
              "unexpected libjpeg message numbering");

} // namespace

jpeg_error_mgr* InstallJpegErrorManager(JpegErrorManager& manager) {
    jpeg_error_mgr* library = jpeg_std_error(&manager.library);
    library->error_exit = ErrorExit;
    library->emit_message = IgnoreMessage;
    return library;
}

int Version6MessageCode(int libraryCode) {
    // Version 6 has no dimension limit message; an oversized picture failed as too wide.
    if (libraryCode == JERR_IMAGE_TOO_BIG)
        return JERR_WIDTH_OVERFLOW - 1;
    if (libraryCode > JERR_IMAGE_TOO_BIG)
        return libraryCode - 1;
    return libraryCode;
}

std::string JpegMessageText(int libraryCode) {
    jpeg_error_mgr library;
    jpeg_std_error(&library);
    library.msg_code = libraryCode;
    char text[JMSG_LENGTH_MAX] = {};
    // Formats from the library's table only; its parameters are zero.
    library.format_message(reinterpret_cast<j_common_ptr>(&library), text);
    return text;
}

void RaiseJpegError(int libraryCode) {
    throw EJPEG(Version6MessageCode(libraryCode));
}

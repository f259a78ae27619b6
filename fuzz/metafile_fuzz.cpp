// WMF and EMF metafiles: fails only with the program's own errors.

#include "fuzz/picturefuzz.h"
#include "pictures/metafile.h"
#include "pictures/metafilesandbox.h"

#include <QGuiApplication>

#include <cstdlib>

// The program draws metafiles only with its application made: a drawing's text needs the
// font database, which the toolkit refuses (fatally) without one.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The libraries run in this process, where the sanitizers see what they do to our side.
    SetMetafileSandbox(false);
    TMetafile picture;
    FuzzPicture(picture, data, size);
    return 0;
}

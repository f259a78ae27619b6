// WMF and EMF metafiles: fails only with the program's own errors.

#include "fuzz/picturefuzz.h"
#include "pictures/metafile.h"
#include "pictures/metafilesandbox.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The libraries run in this process, where the sanitizers see what they do to our side.
    SetMetafileSandbox(false);
    TMetafile picture;
    FuzzPicture(picture, data, size);
    return 0;
}

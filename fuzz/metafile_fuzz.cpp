// WMF and EMF metafiles: fails only with the program's own errors.

#include "fuzz/picturefuzz.h"
#include "pictures/metafile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMetafile picture;
    FuzzPicture(picture, data, size);
    return 0;
}

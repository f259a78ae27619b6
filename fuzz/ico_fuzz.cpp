// icon files (bitmap and PNG images): fails only with the program's own errors.

#include "fuzz/picturefuzz.h"
#include "pictures/icon.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TIcon picture;
    FuzzPicture(picture, data, size);
    return 0;
}

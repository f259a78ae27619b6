// JPEG load (headers) and decode: fails only with the program's own errors.

#include "fuzz/picturefuzz.h"
#include "pictures/jpegimage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TJPEGImage picture;
    FuzzPicture(picture, data, size);
    return 0;
}

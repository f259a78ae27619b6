// BMP files: fails only with the program's own errors.

#include "fuzz/picturefuzz.h"
#include "pictures/bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TBitmap picture;
    FuzzPicture(picture, data, size);
    return 0;
}

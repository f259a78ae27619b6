#pragma once
// Converting a decode's rows into the output space (colour/colour.h) while libjpeg goes on
// decoding. A large picture's rows are shared with a helper on the decode pool, which converts
// them as they arrive once a worker is free (after the thumbnails of the same entry, say), so
// the conversion adds little to the time the picture takes to show. Whatever the helper has not
// reached when the decode ends, the decoding thread converts itself.

#include "colour/pixelconverter.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class RowConversion {
public:
    RowConversion() = default;
    ~RowConversion(); // finishes with the rows announced so far
    RowConversion(const RowConversion&) = delete;
    RowConversion& operator=(const RowConversion&) = delete;

    // Rows y in [0, height) at first + y * stride, width pixels of 3 bytes, to be converted in
    // place. False for a picture too small to be worth sharing: the caller converts its rows.
    bool Start(std::shared_ptr<const PixelConverter> converter, std::uint8_t* first,
               std::ptrdiff_t stride, int width, int height);
    // Rows [0, rows) hold decoded pixels.
    void Decoded(int rows);
    // Rows [0, rows) are all there will be: converts what is left of them and waits for the
    // helper, which touches the buffer no more. Must run before the buffer goes.
    void Finish(int rows);

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

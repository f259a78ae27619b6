#pragma once
// Converting a decode's rows into the output space (colour/colour.h) while libjpeg goes on
// decoding. A large picture's decoded rows are handed, an eighth of the picture at a time, to
// the decode pool ahead of the waiting decodes, so whichever worker is free next (between two
// thumbnails of the same entry, say) converts them while this one decodes on: the conversion
// adds little to the time an entry takes to show. What nobody has taken when the decode ends,
// the decoding thread converts itself.

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
    // pool's part, which touches the buffer no more. Must run before the buffer goes.
    void Finish(int rows);

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    int handedOver_ = 0; // rows offered to the pool so far
    int step_ = 0;       // rows offered at a time
};

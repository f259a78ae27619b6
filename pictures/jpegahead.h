#pragma once
// Decoding ahead of time: JPEG files the program expects to show next, decoded on the low
// priority pool at the size and part they will be drawn at, into the store of decodes ahead
// (decodedahead.h), where the pictures that show them find the bitmaps. Only the file's name
// and its placement are handed over; the file is read, checked against the bounds and decoded
// on the worker, and a file that fails is left for its showing to report.

#include <QRect>
#include <QSize>

#include <functional>
#include <string>
#include <vector>

// Where a picture of width x height will be drawn, as its widget will say (TGraphic::
// PrepareDrawing): the target's size and the part of it that shows (empty: all).
struct AheadPlacement {
    QSize target;
    QRect visible;
};

struct AheadPicture {
    std::string fileName; // as a picture holder is given it
    // Called on the worker with the size from the file's header; must be plain arithmetic.
    std::function<AheadPlacement(int width, int height)> place;
};

// Decodes the pictures one after the other, first ones first, in place of every picture
// still waiting from an earlier call. A picture stored already (same file, unchanged) is skipped
// without reading it.
void DecodeAhead(std::vector<AheadPicture> pictures);

// Whether decodes ahead are waiting or running.
bool DecodingAhead();

// Stops decoding ahead for good: drops what waits and returns once the decode running now is
// done. Runs by itself when the application object goes.
void StopDecodingAhead();

// Lets go of every bitmap decoded ahead (the benchmarks measure the path without them).
void DropDecodesAhead();

// On by default. Off, DecodeAhead only drops what waits (the benchmarks measure the pictures'
// own decodes with it off).
void SetDecodingAhead(bool on);

// The largest coefficient memory a file decoded ahead may need: a large progressive picture
// would hold back the shown pictures' decodes, which share the memory budget for it.
inline constexpr long long MaxAheadCoefficientBytes = 64LL << 20;

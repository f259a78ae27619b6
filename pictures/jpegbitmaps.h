#pragma once
// The decodes of one JPEG file's bytes, shared by every picture loaded from identical bytes:
// a paging step that loads again the files the neighbouring slots showed, or a main picture
// that a slot shows too, takes the decode made at that scale instead of decoding again. A
// decode lives as long as a picture holds it, so a replaced entry's bitmaps go with it.
// Used from the GUI thread only; the decodes run on the DecodePool.

#include "core/files.h"
#include "pictures/jpegdecode.h"

#include <array>
#include <atomic>
#include <future>
#include <memory>
#include <optional>

#include <QRect>

class JpegEighthOffer;

struct JpegDecodeRequest {
    bool grayscale = false;
    int width = 0; // the picture's own size, from its header
    int height = 0;
    int denominator = 1; // 1, 2, 4 or 8
    // The part wanted, in pixels of the output at that scale; empty for the whole picture.
    QRect part;
    OutputSpace space = OutputSpace::Screen;
};

// What a picture of width x height asks to decode to be drawn into a target of that size, of
// which only visible shows (empty: all of it): the smallest scale covering the target, and at
// the picture's own size only the visible part, so a photograph far larger than its frame is
// decoded only where it shows.
JpegDecodeRequest PlanJpegDecode(bool grayscale, int width, int height, QSize target,
                                 QRect visible);

// One decode at one scale; waiting on it runs a decode not yet started on the waiting thread.
// When the last picture holding it lets it go, a decode still running stops.
struct JpegDecode {
    JpegDecode();
    ~JpegDecode();
    JpegDecode(const JpegDecode&) = delete;
    JpegDecode& operator=(const JpegDecode&) = delete;

    std::shared_future<DecodedJpeg> result;
    QRect part; // as asked for; empty for the whole
    std::shared_ptr<std::atomic<bool>> abandoned;
};

class JpegBitmaps {
public:
    explicit JpegBitmaps(std::vector<std::uint8_t> bytes);

    const std::vector<std::uint8_t>& Bytes() const { return *bytes_; }

    // The decode at the request's scale that a picture of these bytes holds (when it covers the
    // part asked for), one decoded ahead of time (decodedahead.h), or a new one:
    // queued on the pool when inBackground, otherwise made when first waited for. A queued
    // decode that nobody holds any more when its turn comes is skipped.
    std::shared_ptr<const JpegDecode> Decode(const JpegDecodeRequest& request, bool inBackground);
    int LiveDecodes() const;

private:
    std::uint64_t Fingerprint();
    // Whether a decode of this request offers the 1/8 thumbnail of the same bytes to go with it.
    bool OffersEighth(const JpegDecodeRequest& request, OutputSpace space);

    // Never changed; a queued decode holds the bytes until it has run.
    std::shared_ptr<const std::vector<std::uint8_t>> bytes_;
    // By scale (1/1, 1/2, 1/4, 1/8), then the same for sRGB when the screen has a profile of its
    // own (the printed page).
    std::array<std::weak_ptr<const JpegDecode>, 8> decodes_;
    std::optional<std::uint64_t> fingerprint_; // of bytes_, at the first look for a decode ahead
    std::weak_ptr<JpegEighthOffer> offer_;     // of the part's decode running or queued now
};

// The bitmaps a live picture holds for the same bytes, or new ones holding them.
std::shared_ptr<JpegBitmaps> SharedJpegBitmaps(std::vector<std::uint8_t> bytes);

// The bitmaps a live picture loaded from the file with this stamp (the same file, unchanged
// since), or null; and the note of it, for a picture loaded from a file.
std::shared_ptr<JpegBitmaps> JpegBitmapsOfFile(const files::FileStamp& stamp);
void RememberJpegFile(const files::FileStamp& stamp, const std::shared_ptr<JpegBitmaps>& bitmaps);

// How many decodes pictures hold now, over all bytes (the tests watch memory going).
int LiveJpegDecodes();

#pragma once
// Bitmaps decoded ahead of time, before any picture asked for them: the entries next to the
// selected title and every entry's thumbnails, decoded while the program idles. A picture
// about to be decoded takes a stored bitmap made from identical bytes at its scale, covering the
// part it draws, instead of decoding. The store keeps at most its budget of bitmaps, dropping
// the least recently used, and gives everything up when a decode finds no memory. Only
// successful decodes are kept: a file that fails is decoded again, and reports its error, when
// it is shown.

#include "colour/outputspace.h"
#include "pictures/jpegdecode.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <mutex>
#include <optional>

#include <QRect>

struct AheadKey {
    std::uint64_t fingerprint = 0; // of the file's bytes (bytesfingerprint.h)
    std::size_t size = 0;          // of the file
    int denominator = 1;
    OutputSpace space = OutputSpace::Screen;
    bool operator==(const AheadKey&) const = default;
};

struct StoredDecode {
    DecodedJpeg decoded; // error 0; offset is the part's top-left
    QRect part;          // in output pixels at the scale; empty for the whole picture
};

class DecodedAhead {
public:
    explicit DecodedAhead(std::size_t budgetBytes) : budget_(budgetBytes) {}
    DecodedAhead(const DecodedAhead&) = delete;
    DecodedAhead& operator=(const DecodedAhead&) = delete;

    // The process's store: 64 MB, a catalogue's thumbnails several times over.
    static DecodedAhead& Instance();

    // The stored decode for key that covers part (empty: the whole picture), made the most
    // recently used. Never waits: while a decode ahead holds the store, there is none.
    std::optional<StoredDecode> Find(const AheadKey& key, const QRect& part);
    // Whether Find would find one.
    bool Holds(const AheadKey& key, const QRect& part);
    // Whether a file of this many bytes may have decodes here: when none has, the file's
    // fingerprint need not be taken to look. Never waits, as Find.
    bool MayHoldFileOfSize(std::size_t size);
    // Keeps a successful decode; one larger than the whole budget is not kept.
    void Store(const AheadKey& key, StoredDecode decode);
    // Lets every bitmap go (a decode found no memory; the catalogue changed).
    void Drop();
    std::size_t HeldBytes();
    int Count();

private:
    struct Entry {
        AheadKey key;
        StoredDecode stored;
    };
    static bool Covers(const Entry& entry, const AheadKey& key, const QRect& part);
    void Evict();

    std::mutex mutex_;
    std::list<Entry> entries_; // most recently used first
    std::size_t held_ = 0;
    const std::size_t budget_;
};

#include "pictures/jpegahead.h"

#include "core/files.h"
#include "pictures/bytesfingerprint.h"
#include "pictures/decodedahead.h"
#include "pictures/decodepool.h"
#include "pictures/jpegbitmaps.h"
#include "pictures/jpegdecode.h"
#include "pictures/jpegmemorybudget.h"
#include "pictures/jpegreader.h"
#include "pictures/jpegscale.h"
#include "pictures/jpegwork.h"
#include "pictures/picturebounds.h"

#include <QCoreApplication>

#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// What a file held when it was last decoded ahead, so an unchanged file is not read again.
struct KnownFile {
    files::FileStamp stamp;
    std::uint64_t fingerprint = 0;
    std::size_t size = 0;
    bool grayscale = false;
    int width = 0, height = 0;
    // False for a file its showing will refuse or report: not read again until it changes.
    bool usable = true;
};

class KnownFiles {
public:
    std::optional<KnownFile> Find(const std::string& name) {
        const std::lock_guard lock(mutex_);
        const auto found = files_.find(name);
        return found == files_.end() ? std::nullopt : std::optional(found->second);
    }
    void Remember(const std::string& name, const KnownFile& file) {
        const std::lock_guard lock(mutex_);
        files_[name] = file;
    }

private:
    std::mutex mutex_;
    std::map<std::string, KnownFile> files_;
};

KnownFiles& Known() {
    static KnownFiles known;
    return known;
}

// Set for good when the program ends.
std::atomic<bool>& Stopped() {
    static std::atomic<bool> stopped{false};
    return stopped;
}

std::atomic<bool>& AheadOn() {
    static std::atomic<bool> on{true};
    return on;
}

// Raised by every DecodeAhead call: the pictures of an earlier call stop being decoded.
std::atomic<unsigned>& Generation() {
    static std::atomic<unsigned> generation{0};
    return generation;
}

// The low-priority pool. Made after everything its jobs use, so that at exit it is gone (its
// queue dropped, its running decode finished) before any of that; within a program the
// application's end stops it even earlier (StopDecodingAhead).
DecodePool& AheadPool() {
    static DecodePool& pool = []() -> DecodePool& {
        Known();
        Generation();
        DecodedAhead::Instance();
        JpegMemoryBudget::Instance();
        DecodePool::Instance();
        static DecodePool made(std::thread::hardware_concurrency(), DecodePool::Priority::Low);
        qAddPostRoutine(StopDecodingAhead);
        return made;
    }();
    return pool;
}

AheadKey KeyOf(const KnownFile& file, const JpegDecodeRequest& request) {
    return {file.fingerprint, file.size, request.denominator, OutputSpace::Screen};
}

JpegDecodeRequest Plan(const KnownFile& file, const AheadPicture& picture) {
    const AheadPlacement placed = picture.place(file.width, file.height);
    return PlanJpegDecode(file.grayscale, file.width, file.height, placed.target, placed.visible);
}

// Reads the file and its header; nullopt for a file that is not there, not usable for one its
// showing would refuse or report.
std::optional<KnownFile> ReadForAhead(const std::string& name, std::vector<std::uint8_t>& bytes) {
    const std::optional<files::FileStamp> stamp = files::StampOf(name);
    if (!stamp)
        return std::nullopt;
    KnownFile file;
    file.stamp = *stamp;
    file.usable = false;
    files::ReadResult read = files::ReadWholeFile(name, MaxPictureFileBytes);
    if (read.error != 0 || read.bytes.empty())
        return file;
    bytes = std::move(read.bytes);
    JpegHeader header;
    if (ReadJpegHeader(bytes.data(), bytes.size(), header) != 0 || header.width <= 0 ||
        header.height <= 0 ||
        static_cast<std::int64_t>(header.width) * header.height > MaxPicturePixels ||
        header.coefficientBytes > MaxAheadCoefficientBytes || CountJpegScans(bytes) > MaxJpegScans)
        return file;
    file.fingerprint = BytesFingerprint(bytes.data(), bytes.size());
    file.size = bytes.size();
    file.grayscale = header.grayscale;
    file.width = header.width;
    file.height = header.height;
    file.usable = true;
    return file;
}

void DecodeOneAhead(const AheadPicture& picture, unsigned generation) {
    // Not even a file is read while the shown pictures are decoded.
    DecodePool& shown = DecodePool::Instance();
    shown.WaitUntilIdle();
    if (Generation().load() != generation)
        return;
    if (const std::optional<KnownFile> known = Known().Find(picture.fileName);
        known && files::StampOf(picture.fileName) == known->stamp) {
        if (!known->usable)
            return;
        const JpegDecodeRequest request = Plan(*known, picture);
        if (DecodedAhead::Instance().Holds(KeyOf(*known, request), request.part))
            return;
    }
    std::vector<std::uint8_t> bytes;
    std::optional<KnownFile> file = ReadForAhead(picture.fileName, bytes);
    if (!file)
        return;
    Known().Remember(picture.fileName, *file);
    if (!file->usable)
        return;
    const JpegDecodeRequest request = Plan(*file, picture);
    const AheadKey key = KeyOf(*file, request);
    if (DecodedAhead::Instance().Holds(key, request.part))
        return;
    JpegDecodeControl control;
    if (!request.part.isEmpty())
        control = {request.part.left(), request.part.top(), request.part.width(),
                   request.part.height()};
    // Gives way whenever the shown pictures' decodes have work, and starts again after.
    control.abandoned = &shown.BusyFlag();
    for (;;) {
        shown.WaitUntilIdle();
        if (Generation().load() != generation)
            return;
        DecodedJpeg decoded = DecodeJpeg(
            bytes, request.grayscale, JpegScaledSide(request.width, request.denominator),
            JpegScaledSide(request.height, request.denominator), request.denominator, &control);
        if (decoded.error == JpegAbandoned)
            continue;
        if (decoded.error == 0) {
            DecodedAhead::Instance().Store(key, {std::move(decoded), request.part});
        } else {
            file->usable = false;
            Known().Remember(picture.fileName, *file);
        }
        return;
    }
}

} // namespace

void DecodeAhead(std::vector<AheadPicture> pictures) {
    const unsigned generation = ++Generation();
    DecodePool& pool = AheadPool();
    pool.DropQueued();
    if (!AheadOn().load() || Stopped().load())
        return;
    for (AheadPicture& picture : pictures) {
        pool.Post(
            [picture = std::move(picture), generation] { DecodeOneAhead(picture, generation); });
    }
}

void DropDecodesAhead() {
    DecodedAhead::Instance().Drop();
}

void SetDecodingAhead(bool on) {
    AheadOn().store(on);
}

bool DecodingAhead() {
    return AheadPool().Busy();
}

void StopDecodingAhead() {
    Stopped().store(true);
    ++Generation();
    DecodePool& pool = AheadPool();
    pool.DropQueued();
    // At most the decode running now, which no new one follows.
    while (pool.Busy())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

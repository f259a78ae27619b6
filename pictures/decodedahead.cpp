#include "pictures/decodedahead.h"

#include <algorithm>

namespace {

std::size_t BitmapBytes(const StoredDecode& stored) {
    return static_cast<std::size_t>(stored.decoded.bitmap.sizeInBytes());
}

} // namespace

DecodedAhead& DecodedAhead::Instance() {
    static DecodedAhead store(std::size_t{64} << 20);
    return store;
}

bool DecodedAhead::Covers(const Entry& entry, const AheadKey& key, const QRect& part) {
    if (!(entry.key == key))
        return false;
    const QRect& held = entry.stored.part;
    return held.isEmpty() || (!part.isEmpty() && held.contains(part));
}

std::optional<StoredDecode> DecodedAhead::Find(const AheadKey& key, const QRect& part) {
    const std::unique_lock lock(mutex_, std::try_to_lock);
    if (!lock.owns_lock())
        return std::nullopt;
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return Covers(entry, key, part); });
    if (found == entries_.end())
        return std::nullopt;
    entries_.splice(entries_.begin(), entries_, found);
    return found->stored;
}

bool DecodedAhead::Holds(const AheadKey& key, const QRect& part) {
    const std::lock_guard lock(mutex_);
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const Entry& entry) { return Covers(entry, key, part); });
}

bool DecodedAhead::MayHoldFileOfSize(std::size_t size) {
    const std::unique_lock lock(mutex_, std::try_to_lock);
    return lock.owns_lock() &&
           std::any_of(entries_.begin(), entries_.end(),
                       [size](const Entry& entry) { return entry.key.size == size; });
}

void DecodedAhead::Store(const AheadKey& key, StoredDecode decode) {
    const std::size_t bytes = BitmapBytes(decode);
    if (decode.decoded.error != 0 || decode.decoded.bitmap.isNull() || bytes > budget_)
        return;
    const std::lock_guard lock(mutex_);
    // A larger part of the same picture replaces the smaller ones it covers.
    std::erase_if(entries_, [&](const Entry& entry) {
        const bool covered =
            entry.key == key && (decode.part.isEmpty() || decode.part.contains(entry.stored.part));
        if (covered)
            held_ -= BitmapBytes(entry.stored);
        return covered;
    });
    entries_.push_front({key, std::move(decode)});
    held_ += bytes;
    Evict();
}

void DecodedAhead::Evict() {
    while (held_ > budget_ && !entries_.empty()) {
        held_ -= BitmapBytes(entries_.back().stored);
        entries_.pop_back();
    }
}

void DecodedAhead::Drop() {
    std::list<Entry> dropped;
    const std::lock_guard lock(mutex_);
    dropped.swap(entries_);
    held_ = 0;
}

std::size_t DecodedAhead::HeldBytes() {
    const std::lock_guard lock(mutex_);
    return held_;
}

int DecodedAhead::Count() {
    const std::lock_guard lock(mutex_);
    return static_cast<int>(entries_.size());
}

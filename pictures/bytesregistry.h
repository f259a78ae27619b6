#pragma once
// Pictures loaded from identical bytes share what was made from them. A registry finds the live
// object made from the same bytes (and of the same kind) while anything still holds it; it
// holds none itself, so what nobody shows any more goes at once. A handful of pictures are
// alive at a time (the shown ones, the faces, the artwork), so a list searched by size and
// contents is enough. Used from the GUI thread only.

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Held: anything with `const std::vector<std::uint8_t>& Bytes() const`.
template <typename Held> class BytesRegistry {
public:
    // The live object of the kind made from bytes equal to these, or make(std::move(bytes)),
    // registered. Empty bytes always make a new object.
    template <typename Make>
    std::shared_ptr<Held> FindOrMake(std::string_view kind, std::vector<std::uint8_t> bytes,
                                     Make make) {
        std::erase_if(entries_, [](const Entry& entry) { return entry.held.expired(); });
        for (const Entry& entry : entries_) {
            if (bytes.empty() || entry.kind != kind)
                continue;
            std::shared_ptr<Held> live = entry.held.lock();
            if (live && live->Bytes().size() == bytes.size() &&
                std::memcmp(live->Bytes().data(), bytes.data(), bytes.size()) == 0)
                return live;
        }
        std::shared_ptr<Held> made = make(std::move(bytes));
        entries_.push_back({std::string(kind), made});
        return made;
    }

    template <typename Visit> void ForEachLive(Visit visit) const {
        for (const Entry& entry : entries_) {
            if (const std::shared_ptr<Held> live = entry.held.lock())
                visit(*live);
        }
    }

private:
    struct Entry {
        std::string kind;
        std::weak_ptr<Held> held;
    };
    std::vector<Entry> entries_;
};

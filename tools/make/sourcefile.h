#pragma once
// The catalogue source that staff edit: UTF-8 text of "field: text" lines, one line a field, in
// any editor. "entry:" starts an entry and holds its title; "place:", "time:", "index:" and
// "picture:" follow ("picture as is:" for a picture to copy unchanged, even one larger than the
// viewer's frame). Empty lines and lines starting with "#" are ignored. After the colon one
// blank is dropped and the rest of the line is the value exactly as typed.

#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* SourceFileName = "catalogue.txt";
inline constexpr const char* SourcePictureFolder = "images";

struct SourceValue {
    std::string text; // UTF-8, as typed
    int line = 0;     // where it stands in the source, from 1
};

struct SourcePicture : SourceValue {
    bool asIs = false; // copied byte for byte, not fitted to the frame
};

struct SourceEntry {
    SourceValue title; // its line is the entry's "entry:" line
    SourceValue place, time;
    std::vector<SourceValue> index;
    std::vector<SourcePicture> pictures;
};

// A problem found in the source or its pictures; line 0 when no line is to blame.
struct Problem {
    int line = 0;
    std::string message;
};

struct ParsedSource {
    std::vector<SourceEntry> entries;
    std::vector<Problem> problems; // layout faults: unknown fields, missing lines
};

ParsedSource ParseSource(std::string_view text);

// The text ParseSource reads back into the same entries (import writes it).
std::string WriteSource(const std::vector<SourceEntry>& entries);

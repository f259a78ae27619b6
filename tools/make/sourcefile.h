#pragma once
// The catalogue source that staff edit: UTF-8 text of "field: text" lines, one line a field, in
// any editor. "entry:" starts an entry and holds its title; "place:", "time:", "index:" and
// "picture:" follow ("picture as is:" for a picture to copy unchanged, even one larger than the
// viewer's frame). Empty lines and lines starting with "#" are ignored. After the colon one
// blank is dropped and the rest of the line is the value exactly as typed.
//
// The words of the pages the viewer shows around the entries: per entry "description:" and
// "initials:"; for the whole catalogue "collection:" (the splash's title), "sponsor:" lines,
// up to two "introduction:" pages, "credits:", "splash photograph:", "logo picture:" (the
// museum's own logo drawing for the main window, instead of the emblem set with the
// collection's name) and "description link:" (the main window's caption that opens the
// description). A text runs on over
// the lines that follow it starting with a space or a tab; an empty line between two such
// lines starts a new paragraph. "page picture:" names a finished page in the source's pages/
// folder, copied unchanged (what an import makes of a catalogue's pages).

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

// A text of one or more paragraphs, UTF-8. The lines of a paragraph are joined with a blank;
// credits keep their lines, joined with "\n".
struct SourceParagraphs {
    std::vector<std::string> paragraphs;
    int line = 0; // the field's line, 0 when the source has no such text
    bool Empty() const { return paragraphs.empty(); }
};

struct SourceEntry {
    SourceValue title; // its line is the entry's "entry:" line
    SourceValue place, time;
    std::vector<SourceValue> index;
    std::vector<SourcePicture> pictures;
    SourceParagraphs description;
    SourceValue initials;
};

struct SourceIntroduction {
    SourceValue heading;   // the text on the "introduction:" line
    SourceParagraphs text; // the paragraphs below it
};

// The texts of the catalogue's own pages, all optional.
struct SourcePages {
    SourceValue collection;
    std::vector<SourceValue> sponsor;
    std::vector<SourceIntroduction> introduction; // page 1, then page 2
    SourceParagraphs credits;                     // each paragraph a heading and its lines
    SourceValue splashPhotograph;                 // a file in images/
    SourceValue logoPicture;                      // a file in images/
    SourceValue descriptionLink;                  // the caption, "Leírás a műről >>"
    std::vector<SourceValue> pagePictures;        // file names in pages/
    bool Empty() const {
        return collection.line == 0 && sponsor.empty() && introduction.empty() &&
               credits.line == 0 && splashPhotograph.line == 0 && logoPicture.line == 0 &&
               descriptionLink.line == 0 && pagePictures.empty();
    }
};

inline constexpr const char* SourcePageFolder = "pages";

// A problem found in the source or its pictures; line 0 when no line is to blame.
struct Problem {
    int line = 0;
    std::string message;
};

struct ParsedSource {
    SourcePages pages;
    std::vector<SourceEntry> entries;
    std::vector<Problem> problems; // layout faults: unknown fields, missing lines
};

ParsedSource ParseSource(std::string_view text);

// The text ParseSource reads back into the same pages and entries (import writes it).
std::string WriteSource(const std::vector<SourceEntry>& entries, const SourcePages& pages = {});

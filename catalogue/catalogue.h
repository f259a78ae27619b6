#pragma once
// The catalogue: the fixed-capacity record store read from datas.dat, and the map from title
// list rows to record numbers. Texts are code page 1250 bytes, stored and compared as read.
// The folder also holds the frame its pictures are made to fit (pictureframe.h) and the names
// and sizes of the pages a catalogue folder may bring in place of the built-in ones
// (pagefiles.h); the line reader and the count rule are its own.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

using ShortText = std::string; // code page 1250, at most 255 bytes

inline constexpr int MaxRecords = 40, MaxListLines = 50, ListRows = 100, MaxShortText = 255;

// The file the program reads from its start directory.
inline constexpr const char* CatalogueFileName = "datas.dat";

struct CatalogueRecord {
    ShortText Title, Line2, Line3;
    std::uint16_t IndexLineCount = 0;
    std::array<ShortText, MaxListLines> IndexLines; // IndexLines[i - 1] is index line i
    ShortText MainPicture, SecondPicture;
    std::uint16_t PictureCount = 0;
    std::array<ShortText, MaxListLines> Pictures; // Pictures[i - 1] is picture i

    // 1-based; an index outside 1..50 throws std::out_of_range rather than read outside.
    const ShortText& IndexLine(int i) const;
    const ShortText& Picture(int i) const;
};

struct Catalogue { // the process-wide working data
    std::array<CatalogueRecord, MaxRecords> CatalogueStore;
    std::uint16_t RecordCount = 0;
    std::array<std::uint16_t, ListRows> ListIndexMap{}; // all 0 until reset
    // The rows whose ListIndexMap entries were written for the list now shown: every row after
    // ResetListIndexMap, the hit rows of a result list (MapResultRow). The header, empty and
    // back rows of a result list keep stale entries, which name records all the same.
    int MappedRowsBegin = 0, MappedRowsEnd = ListRows;

    // k in 1..MaxRecords; outside it throws std::out_of_range.
    const CatalogueRecord& Record(int k) const;
    // A result list is being built: row `row` (rows from `first` on, in order) stands for record
    // k, and the rows outside first..row for none.
    void MapResultRow(int first, int row, int k);
    // The record number row r stands for, 0 when r is outside 0..99 or outside the mapped rows,
    // or the entry lies outside 1..RecordCount. Never reads outside the arrays.
    int RecordNumberForRow(int row) const;
    const CatalogueRecord* RecordForRow(int row) const; // null when RecordNumberForRow is 0
};

Catalogue& TheCatalogue(); // the one process-wide instance

void ResetListIndexMap(Catalogue& catalogue); // row r -> r + 1

// The code of the EInOutError raised for a file that breaks the store's limits.
inline constexpr int CatalogueLimitError = 900;

// Reads the file (a relative path against the current directory; "\" separators and letter
// case resolved by the file services) into the store and sets RecordCount. Does not fill any
// list: the main window does that after a successful load.
//
// Failures raise EInOutError and leave the store as the failure found it:
// - the file cannot be opened or read: code and message by the system's error (2 "File not
//   found", 3 "Invalid filename" for a missing folder part, 4 "Too many open files",
//   5 "File access denied" also for a directory, otherwise "I/O error <errno>");
//   RecordCount 0;
// - the count is not an integer (letters, a byte-order mark): 106 "Invalid numeric input";
//   RecordCount 0;
// - the file breaks a limit of the store, code CatalogueLimitError, messages such as
//     "Catalogue line 1: entry count 41 is more than 40"
//     "Catalogue line 1: entry count -1 is less than 0"
//     "Catalogue line 57: more than 50 index lines in entry 3"
//     "Catalogue line 120: more than 50 pictures in entry 3"
//     "Catalogue line 4: index list of entry 1 has no "##" before the end of the file"
//     "Catalogue line 9: picture list of entry 1 has no "##" before the end of the file"
//   naming the line (counted by line ends, from 1) of the count, of the first line over the
//   limit, or of the first line tested for the missing "##" (an entry's third line, or its
//   second picture line). A bad count leaves RecordCount 0.
//   Otherwise RecordCount is the number of the entry being read, as for any failure while
//   reading entries: entries before it are complete, and it holds the lines read up to the
//   failure (its counts match what it holds, never more than 50).
//
// A file larger than MaxCatalogueBytes is refused before it is read (CatalogueLimitError,
// "Catalogue file is too large: <size> bytes (at most 16 MB)"), and so is anything that is not
// a regular file (5 "File access denied"): a FIFO or a device is never opened.
void LoadCatalogueFile(Catalogue& catalogue, const std::string& path);

// The same from the file's bytes.
void ReadCatalogueText(Catalogue& catalogue, std::string_view bytes);

// The most the format can use is 40 entries of at most 105 lines of 255 bytes, about 1 MB;
// lines are cut only when stored, so a file somewhat larger still loads.
inline constexpr std::uint64_t MaxCatalogueBytes = std::uint64_t{16} << 20;

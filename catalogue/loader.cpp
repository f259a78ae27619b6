#include "catalogue/catalogue.h"

#include "catalogue/countnumber.h"
#include "catalogue/linereader.h"
#include "core/errors.h"
#include "core/files.h"

#include <cerrno>

namespace {

constexpr std::string_view ListEnd = "##";

ShortText Stored(std::string_view line) {
    return ShortText(line.substr(0, MaxShortText));
}

// The failure of opening or reading the file, by the system's error.
EInOutError OpenFailure(int error) {
    switch (error) {
    case ENOENT:
        return EInOutError(2);
    case ENOTDIR:
    case ENAMETOOLONG:
        return EInOutError(3);
    case EMFILE:
    case ENFILE:
        return EInOutError(4);
    case EACCES:
    case EPERM:
    case EISDIR:
    case files::NotRegularFile: // a FIFO, a device or a socket: never opened
        return EInOutError(5);
    default:
        // Spelled out: some errno values coincide with the codes above.
        return EInOutError(error, "I/O error " + std::to_string(error));
    }
}

EInOutError LimitBroken(int line, const std::string& what) {
    return EInOutError(CatalogueLimitError, "Catalogue line " + std::to_string(line) + ": " + what);
}

EInOutError Unterminated(int line, const char* list, int entry) {
    return LimitBroken(line, std::string(list) + " list of entry " + std::to_string(entry) +
                                 " has no \"##\" before the end of the file");
}

// Reads lines up to the terminator into lines[count], lines[count + 1], ..., counting them.
// firstLine is the list's first tested line, named when the terminator is missing.
void ReadList(LineReader& reader, std::array<ShortText, MaxListLines>& lines, std::uint16_t& count,
              int firstLine, const char* list, const char* lineName, int entry) {
    for (;;) {
        // Past the end every read yields an empty line, so the list could never end.
        if (reader.AtEnd())
            throw Unterminated(firstLine, list, entry);
        const int lineNumber = reader.LineNumber();
        const std::string_view line = reader.ReadLine();
        if (line == ListEnd)
            return;
        if (count == MaxListLines)
            throw LimitBroken(lineNumber, "more than " + std::to_string(MaxListLines) + " " +
                                              lineName + " in entry " + std::to_string(entry));
        lines[count++] = Stored(line);
    }
}

void ReadEntry(LineReader& reader, CatalogueRecord& record, int entry) {
    record = CatalogueRecord{};
    record.Title = Stored(reader.ReadLine());
    record.Line2 = Stored(reader.ReadLine());
    const int line3Number = reader.LineNumber();
    const std::string_view line3 = reader.ReadLine();
    record.Line3 = Stored(line3);
    // The index list is tested from line 3 on: a third line "##" closes an empty list.
    if (line3 != ListEnd)
        ReadList(reader, record.IndexLines, record.IndexLineCount, line3Number, "index",
                 "index lines", entry);

    // The first picture line is taken whatever it holds; the list is tested from the second,
    // which is stored before the test (so a "##" there is the second picture's text).
    record.MainPicture = record.Pictures[0] = Stored(reader.ReadLine());
    record.PictureCount = 1;
    const int secondNumber = reader.LineNumber();
    const std::string_view second = reader.ReadLine();
    record.SecondPicture = record.Pictures[1] = Stored(second);
    if (second == ListEnd)
        return;
    record.PictureCount = 2;
    ReadList(reader, record.Pictures, record.PictureCount, secondNumber, "picture", "pictures",
             entry);
}

} // namespace

void LoadCatalogueFile(Catalogue& catalogue, const std::string& path) {
    catalogue.RecordCount = 0;
    const files::ReadResult file = files::ReadWholeFile(path, MaxCatalogueBytes);
    if (file.error == files::FileTooLarge)
        throw EInOutError(CatalogueLimitError,
                          "Catalogue file is too large: " + std::to_string(file.size) +
                              " bytes (at most " + std::to_string(MaxCatalogueBytes >> 20) +
                              " MB)");
    if (file.error != 0)
        throw OpenFailure(file.error);
    ReadCatalogueText(catalogue, std::string_view(reinterpret_cast<const char*>(file.bytes.data()),
                                                  file.bytes.size()));
}

void ReadCatalogueText(Catalogue& catalogue, std::string_view bytes) {
    catalogue.RecordCount = 0;
    LineReader reader(CutAtEndOfFileMark(bytes));

    const LineReader::Token token = reader.ReadToken();
    if (token.text.empty())
        return; // nothing but blanks and line ends
    const auto count = ParseCountNumber(token.text);
    if (!count)
        throw EInOutError(106);
    if (*count > MaxRecords)
        throw LimitBroken(token.line, "entry count " + std::to_string(*count) + " is more than " +
                                          std::to_string(MaxRecords));
    if (*count < 0)
        throw LimitBroken(token.line, "entry count " + std::to_string(*count) + " is less than 0");

    for (int entry = 1; entry <= *count; ++entry) {
        catalogue.RecordCount = static_cast<std::uint16_t>(entry);
        ReadEntry(reader, catalogue.CatalogueStore[entry - 1], entry);
    }
}

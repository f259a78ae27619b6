#include "tools/make/cataloguetext.h"

namespace {

constexpr const char* ListEnd = "##";

void AppendLine(std::string& out, const std::string& line) {
    out += line;
    out += "\r\n";
}

} // namespace

std::string CatalogueText(const std::vector<CatalogueEntry>& entries) {
    std::string out;
    AppendLine(out, std::to_string(entries.size()));
    for (const CatalogueEntry& entry : entries) {
        AppendLine(out, entry.title);
        AppendLine(out, entry.place);
        AppendLine(out, entry.time);
        if (!(entry.time == ListEnd && entry.index.empty())) {
            for (const ShortText& line : entry.index)
                AppendLine(out, line);
            AppendLine(out, ListEnd);
        }
        for (const ShortText& picture : entry.pictures)
            AppendLine(out, picture);
        AppendLine(out, ListEnd);
    }
    return out;
}

CatalogueEntry EntryFromRecord(const CatalogueRecord& record) {
    CatalogueEntry entry{record.Title, record.Line2, record.Line3, {}, {}};
    for (int i = 1; i <= record.IndexLineCount; ++i)
        entry.index.push_back(record.IndexLine(i));
    for (int i = 1; i <= record.PictureCount; ++i)
        entry.pictures.push_back(record.Picture(i));
    return entry;
}

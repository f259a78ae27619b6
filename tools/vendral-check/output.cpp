#include "tools/vendral-check/output.h"

#include "core/cp1250.h"

#include <cstdio>

namespace {

std::string Shown(const ShortText& text) {
    return Cp1250ToUtf8(text);
}

template <typename Item> std::string JsonArray(int count, Item item) {
    std::string out = "[";
    for (int i = 1; i <= count; ++i) {
        if (i > 1)
            out += ", ";
        out += item(i);
    }
    return out + "]";
}

std::string JsonRecord(const CatalogueRecord& record, int number) {
    std::string out = "{\"number\": " + std::to_string(number);
    out += ", \"title\": " + JsonString(Shown(record.Title));
    out += ", \"line2\": " + JsonString(Shown(record.Line2));
    out += ", \"line3\": " + JsonString(Shown(record.Line3));
    out += ", \"index_lines\": " + JsonArray(record.IndexLineCount, [&](int i) {
               return JsonString(Shown(record.IndexLine(i)));
           });
    out += ", \"main_picture\": " + JsonString(Shown(record.MainPicture));
    out += ", \"second_picture\": " + JsonString(Shown(record.SecondPicture));
    out += ", \"pictures\": " + JsonArray(record.PictureCount, [&](int i) {
               return JsonString(Shown(record.Picture(i)));
           });
    return out + "}";
}

void AppendEntry(std::string& out, const CatalogueRecord& record, int number) {
    out += std::to_string(number) + ". " + Shown(record.Title) + "\n";
    out += "   Line 2: " + Shown(record.Line2) + "\n";
    out += "   Line 3: " + Shown(record.Line3) + "\n";
    out += "   Index lines: " + std::to_string(record.IndexLineCount) + "\n";
    for (int i = 1; i <= record.IndexLineCount; ++i)
        out += "     " + Shown(record.IndexLine(i)) + "\n";
    out += "   Main picture: " + Shown(record.MainPicture) + "\n";
    out += "   Second picture: " + Shown(record.SecondPicture) + "\n";
    out += "   Pictures: " + std::to_string(record.PictureCount) + "\n";
    for (int i = 1; i <= record.PictureCount; ++i)
        out += "     " + Shown(record.Picture(i)) + "\n";
}

std::string SizeText(PageSize size) {
    return std::to_string(size.width) + " x " + std::to_string(size.height);
}

void AppendPages(std::string& out, const PagesCheck& pages) {
    if (pages.pages.empty() && pages.others.empty()) {
        out += "\nPages: none of its own (the viewer shows its built-in pages)\n";
        return;
    }
    out += "\nPages: " + std::to_string(pages.pages.size()) +
           " of its own (the viewer shows its built-in page for any other)\n";
    for (const FoundPage& page : pages.pages) {
        out += "  " + page.name;
        if (page.size.width > 0)
            out += "  " + SizeText(page.size);
        out += page.problem.empty() ? "\n" : "  PROBLEM: " + page.problem + "\n";
    }
    for (const std::string& other : pages.others)
        out += "  " + other + "  (not a page the viewer reads)\n";
}

std::string JsonPages(const PagesCheck& pages) {
    std::string out = JsonArray(int(pages.pages.size()), [&](int i) {
        const FoundPage& page = pages.pages[std::size_t(i) - 1];
        return "{\"name\": " + JsonString(page.name) +
               ", \"width\": " + std::to_string(page.size.width) +
               ", \"height\": " + std::to_string(page.size.height) + ", \"problem\": " +
               (page.problem.empty() ? std::string("null") : JsonString(page.problem)) + "}";
    });
    out += ", \"other_page_files\": " + JsonArray(int(pages.others.size()), [&](int i) {
               return JsonString(pages.others[std::size_t(i) - 1]);
           });
    return out;
}

} // namespace

std::string JsonString(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string TextReport(const CheckResult& result) {
    const Catalogue& catalogue = *result.catalogue;
    std::string out = "Entries: " + std::to_string(catalogue.RecordCount) + "\n";
    for (int k = 1; k <= catalogue.RecordCount; ++k) {
        out += "\n";
        AppendEntry(out, catalogue.Record(k), k);
    }
    if (!result.colourSpaces.empty()) {
        out += "\nColour spaces:\n";
        for (const auto& [name, space] : result.colourSpaces)
            out += "  " + name + ": " + space + "\n";
    }
    if (result.error)
        out += "\nError: " + *result.error + "\n";
    if (result.missingFiles.empty()) {
        out += "\nMissing files: none\n";
    } else {
        out += "\nMissing files: " + std::to_string(result.missingFiles.size()) + "\n";
        for (const std::string& name : result.missingFiles)
            out += "  " + name + "\n";
    }
    AppendPages(out, result.pages);
    return out;
}

std::string JsonReport(const CheckResult& result) {
    const Catalogue& catalogue = *result.catalogue;
    std::string out = "{\"record_count\": " + std::to_string(catalogue.RecordCount);
    out += ", \"records\": " + JsonArray(catalogue.RecordCount,
                                         [&](int k) { return JsonRecord(catalogue.Record(k), k); });
    out += ", \"colour_spaces\": " +
           JsonArray(static_cast<int>(result.colourSpaces.size()), [&](int i) {
               const auto& [name, space] = result.colourSpaces[i - 1];
               return "{\"file\": " + JsonString(name) +
                      ", \"colour_space\": " + JsonString(space) + "}";
           });
    out += ", \"error\": " + (result.error ? JsonString(*result.error) : std::string("null"));
    out += ", \"missing_files\": " +
           JsonArray(static_cast<int>(result.missingFiles.size()),
                     [&](int i) { return JsonString(result.missingFiles[i - 1]); });
    out += ", \"pages\": " + JsonPages(result.pages);
    return out + "}\n";
}

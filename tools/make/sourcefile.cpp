#include "tools/make/sourcefile.h"

#include "core/cp1250.h"

#include <array>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

enum class Field { Entry, Place, Time, Index, Picture, PictureAsIs };

struct FieldName {
    std::string_view name;
    Field field;
};

constexpr std::array<FieldName, 6> FieldNames = {{
    {"entry", Field::Entry},
    {"place", Field::Place},
    {"time", Field::Time},
    {"index", Field::Index},
    {"picture", Field::Picture},
    {"picture as is", Field::PictureAsIs},
}};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

class Parser {
public:
    ParsedSource Parse(std::string_view text) {
        if (text.starts_with(ByteOrderMark))
            text.remove_prefix(ByteOrderMark.size());
        int number = 0;
        while (!text.empty()) {
            ++number;
            const auto end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
            // Editors on Windows end lines with CR LF.
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            ReadLine(line, number);
        }
        FinishEntry();
        return std::move(result_);
    }

private:
    void ReadLine(std::string_view line, int number) {
        const std::string_view trimmed = TrimBlanks(line);
        if (trimmed.empty() || trimmed.front() == '#')
            return;
        const auto colon = line.find(':');
        if (colon == std::string_view::npos) {
            Report(number, "expected \"field: text\" (entry, place, time, index, picture or "
                           "picture as is), or a comment starting with #");
            return;
        }
        const std::string key = AsciiLower(TrimBlanks(line.substr(0, colon)));
        std::string_view value = line.substr(colon + 1);
        if (value.starts_with(' '))
            value.remove_prefix(1);
        for (const FieldName& known : FieldNames) {
            if (key == known.name) {
                Take(known.field, SourceValue{std::string(value), number});
                return;
            }
        }
        Report(number, "unknown field \"" + key +
                           "\"; the fields are entry, place, time, index, picture and "
                           "picture as is");
    }

    void Take(Field field, SourceValue value) {
        if (field == Field::Entry) {
            FinishEntry();
            entry_ = SourceEntry{};
            entry_.title = std::move(value);
            open_ = true;
            return;
        }
        if (!open_) {
            Report(value.line, "a field before the first \"entry:\" line");
            return;
        }
        switch (field) {
        case Field::Place:
        case Field::Time: {
            SourceValue& slot = field == Field::Place ? entry_.place : entry_.time;
            if (slot.line != 0)
                Report(value.line, std::string("a second ") +
                                       (field == Field::Place ? "place" : "time") +
                                       " line in this entry (the first is on line " +
                                       std::to_string(slot.line) + ")");
            else
                slot = std::move(value);
            break;
        }
        case Field::Index:
            entry_.index.push_back(std::move(value));
            break;
        case Field::Picture:
        case Field::PictureAsIs:
            entry_.pictures.push_back({std::move(value), field == Field::PictureAsIs});
            break;
        case Field::Entry:
            break;
        }
    }

    void FinishEntry() {
        if (!open_)
            return;
        const int line = entry_.title.line;
        if (entry_.place.line == 0)
            Report(line, "this entry has no \"place:\" line");
        if (entry_.time.line == 0)
            Report(line, "this entry has no \"time:\" line");
        if (entry_.pictures.empty())
            Report(line, "this entry has no \"picture:\" line; the first picture is its main one");
        result_.entries.push_back(std::move(entry_));
        open_ = false;
    }

    void Report(int line, std::string message) {
        result_.problems.push_back({line, std::move(message)});
    }

    ParsedSource result_;
    SourceEntry entry_;
    bool open_ = false;
};

void AppendField(std::string& out, std::string_view field, const std::string& value) {
    out += field;
    out += ':';
    if (!value.empty())
        out += ' ' + value;
    out += '\n';
}

} // namespace

ParsedSource ParseSource(std::string_view text) {
    return Parser().Parse(text);
}

std::string WriteSource(const std::vector<SourceEntry>& entries) {
    std::string out =
        "# Catalogue source for vendral-make, UTF-8. Each entry: its title, one place\n"
        "# line, one time line, any number of index lines, then its pictures (files\n"
        "# in images/), the first being the main picture. \"picture as is:\" copies a\n"
        "# picture unchanged instead of fitting it to the viewer's 529 x 450 frame.\n";
    for (const SourceEntry& entry : entries) {
        out += '\n';
        AppendField(out, "entry", entry.title.text);
        AppendField(out, "place", entry.place.text);
        AppendField(out, "time", entry.time.text);
        for (const SourceValue& line : entry.index)
            AppendField(out, "index", line.text);
        for (const SourcePicture& picture : entry.pictures)
            AppendField(out, picture.asIs ? "picture as is" : "picture", picture.text);
    }
    return out;
}

#include "tools/make/sourcefile.h"

#include "core/cp1250.h"

#include <array>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

enum class Field {
    Entry,
    Place,
    Time,
    Index,
    Picture,
    PictureAsIs,
    Description,
    Initials,
    Collection,
    Sponsor,
    Introduction,
    Credits,
    SplashPhotograph,
    LogoPicture,
    DescriptionLink,
    PagePicture,
};

struct FieldName {
    std::string_view name;
    Field field;
};

constexpr std::array<FieldName, 16> FieldNames = {{
    {"entry", Field::Entry},
    {"place", Field::Place},
    {"time", Field::Time},
    {"index", Field::Index},
    {"picture", Field::Picture},
    {"picture as is", Field::PictureAsIs},
    {"description", Field::Description},
    {"initials", Field::Initials},
    {"collection", Field::Collection},
    {"sponsor", Field::Sponsor},
    {"introduction", Field::Introduction},
    {"credits", Field::Credits},
    {"splash photograph", Field::SplashPhotograph},
    {"logo picture", Field::LogoPicture},
    {"description link", Field::DescriptionLink},
    {"page picture", Field::PagePicture},
}};

constexpr const char* FieldList =
    "entry, place, time, index, picture, picture as is, description, initials, collection, "
    "sponsor, introduction, credits, splash photograph, logo picture, description link and "
    "page picture";

// At most two introduction pages and three sponsor lines fit their windows.
constexpr std::size_t MaxIntroductionPages = 2, MaxSponsorLines = 3;

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
        if (text_ && (trimmed.empty() || IsBlank(line.front()))) {
            Continue(trimmed);
            return;
        }
        if (trimmed.empty() || trimmed.front() == '#')
            return;
        text_ = nullptr;
        const auto colon = line.find(':');
        if (colon == std::string_view::npos) {
            Report(number, std::string("expected \"field: text\" (") + FieldList +
                               "), or a comment starting with #");
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
        Report(number, "unknown field \"" + key + "\"; the fields are " + FieldList);
    }

    // A line after a text field: an empty one ends the paragraph, an indented one carries on.
    void Continue(std::string_view trimmed) {
        if (trimmed.empty()) {
            breakPending_ = !text_->paragraphs.empty();
            return;
        }
        if (text_->paragraphs.empty() || breakPending_)
            text_->paragraphs.emplace_back(trimmed);
        else
            text_->paragraphs.back().append(keepLines_ ? "\n" : " ").append(trimmed);
        breakPending_ = false;
    }

    // The text field starts with what stands on its own line, if anything.
    void OpenText(SourceParagraphs& text, const SourceValue& value, bool keepLines) {
        text = SourceParagraphs{};
        text.line = value.line;
        if (const std::string_view first = TrimBlanks(value.text); !first.empty())
            text.paragraphs.emplace_back(first);
        text_ = &text;
        keepLines_ = keepLines;
        breakPending_ = false;
    }

    // The catalogue's own fields, wherever they stand; false for an entry's field.
    bool TakePageField(Field field, SourceValue& value) {
        SourcePages& pages = result_.pages;
        switch (field) {
        case Field::Collection:
            Single(pages.collection, value, "collection");
            return true;
        case Field::SplashPhotograph:
            Single(pages.splashPhotograph, value, "splash photograph");
            return true;
        case Field::LogoPicture:
            Single(pages.logoPicture, value, "logo picture");
            return true;
        case Field::DescriptionLink:
            Single(pages.descriptionLink, value, "description link");
            return true;
        case Field::Sponsor:
            if (pages.sponsor.size() == MaxSponsorLines)
                Report(value.line, "at most three sponsor lines fit under the splash's photograph");
            else
                pages.sponsor.push_back(std::move(value));
            return true;
        case Field::Introduction:
            if (pages.introduction.size() == MaxIntroductionPages) {
                Report(value.line, "a third introduction; the introduction has two pages");
                return true;
            }
            pages.introduction.push_back({{std::string(TrimBlanks(value.text)), value.line}, {}});
            OpenText(pages.introduction.back().text, {"", value.line}, false);
            return true;
        case Field::Credits:
            if (pages.credits.line != 0)
                Report(value.line, "a second credits text (the first is on line " +
                                       std::to_string(pages.credits.line) + ")");
            else
                OpenText(pages.credits, value, true);
            return true;
        case Field::PagePicture:
            pages.pagePictures.push_back(std::move(value));
            return true;
        default:
            return false;
        }
    }

    void Single(SourceValue& slot, SourceValue& value, const char* what) {
        if (slot.line != 0)
            Report(value.line, std::string("a second ") + what + " line (the first is on line " +
                                   std::to_string(slot.line) + ")");
        else
            slot = std::move(value);
    }

    void Take(Field field, SourceValue value) {
        if (TakePageField(field, value))
            return;
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
        case Field::Description:
            if (entry_.description.line != 0)
                Report(value.line, "a second description in this entry (the first is on line " +
                                       std::to_string(entry_.description.line) + ")");
            else
                OpenText(entry_.description, value, false);
            break;
        case Field::Initials:
            Single(entry_.initials, value, "initials");
            break;
        case Field::Picture:
        case Field::PictureAsIs:
            entry_.pictures.push_back({std::move(value), field == Field::PictureAsIs});
            break;
        default:
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
    SourceParagraphs* text_ = nullptr; // the text that indented lines carry on
    bool keepLines_ = false;
    bool breakPending_ = false;
};

void AppendField(std::string& out, std::string_view field, const std::string& value) {
    out += field;
    out += ':';
    if (!value.empty())
        out += ' ' + value;
    out += '\n';
}

// Paragraphs indented under their field, an empty line between two.
void AppendParagraphs(std::string& out, const std::vector<std::string>& paragraphs) {
    for (std::size_t p = 0; p < paragraphs.size(); ++p) {
        if (p > 0)
            out += '\n';
        std::string_view rest = paragraphs[p];
        while (!rest.empty()) {
            const auto end = rest.find('\n');
            out += "  ";
            out += rest.substr(0, end);
            out += '\n';
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        }
    }
}

void AppendText(std::string& out, std::string_view field, const SourceParagraphs& text) {
    if (text.line == 0)
        return;
    AppendField(out, field, "");
    AppendParagraphs(out, text.paragraphs);
}

void AppendPages(std::string& out, const SourcePages& pages) {
    if (pages.Empty())
        return;
    out += '\n';
    if (pages.collection.line != 0)
        AppendField(out, "collection", pages.collection.text);
    for (const SourceValue& line : pages.sponsor)
        AppendField(out, "sponsor", line.text);
    if (pages.splashPhotograph.line != 0)
        AppendField(out, "splash photograph", pages.splashPhotograph.text);
    if (pages.logoPicture.line != 0)
        AppendField(out, "logo picture", pages.logoPicture.text);
    if (pages.descriptionLink.line != 0)
        AppendField(out, "description link", pages.descriptionLink.text);
    for (const SourceIntroduction& page : pages.introduction) {
        AppendField(out, "introduction", page.heading.text);
        AppendParagraphs(out, page.text.paragraphs);
    }
    AppendText(out, "credits", pages.credits);
    if (!pages.pagePictures.empty())
        out += "# Finished pages in pages/, copied unchanged. Their words cannot be edited\n"
               "# here: to change a page, replace its line with the texts it shows.\n";
    for (const SourceValue& picture : pages.pagePictures)
        AppendField(out, "page picture", picture.text);
}

} // namespace

ParsedSource ParseSource(std::string_view text) {
    return Parser().Parse(text);
}

std::string WriteSource(const std::vector<SourceEntry>& entries, const SourcePages& pages) {
    std::string out =
        "# Catalogue source for vendral-make, UTF-8. Each entry: its title, one place\n"
        "# line, one time line, any number of index lines, then its pictures (files\n"
        "# in images/), the first being the main picture. \"picture as is:\" copies a\n"
        "# picture unchanged instead of fitting it to the viewer's 529 x 450 frame.\n";
    AppendPages(out, pages);
    for (const SourceEntry& entry : entries) {
        out += '\n';
        AppendField(out, "entry", entry.title.text);
        AppendField(out, "place", entry.place.text);
        AppendField(out, "time", entry.time.text);
        for (const SourceValue& line : entry.index)
            AppendField(out, "index", line.text);
        for (const SourcePicture& picture : entry.pictures)
            AppendField(out, picture.asIs ? "picture as is" : "picture", picture.text);
        AppendText(out, "description", entry.description);
        if (entry.initials.line != 0)
            AppendField(out, "initials", entry.initials.text);
    }
    return out;
}

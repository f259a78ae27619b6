// vendral-make import: a catalogue folder made by hand becomes a source to edit from then on.

#include "core/cp1250.h"
#include "core/errors.h"
#include "core/files.h"
#include "core/reporttext.h"
#include "tools/make/cataloguetext.h"
#include "tools/make/commands.h"
#include "tools/make/picturefile.h"
#include "tools/make/report.h"
#include "tools/make/sourcefile.h"
#include "tools/make/stagingfolder.h"
#include "tools/make/writefile.h"
#include "tools/vendral-check/check.h"
#include "tools/vendral-check/pagecheck.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>

namespace {

bool IsFile(const std::optional<std::string>& path) {
    std::error_code error;
    return path && std::filesystem::is_regular_file(*path, error);
}

struct Copy {
    std::string from, to; // to: relative to the source folder
};

class Importer {
public:
    explicit Importer(const std::string& catalogueFolder) : folder_(catalogueFolder + "/") {}

    // The source entries of the loaded catalogue, and the files to copy.
    void Take(const Catalogue& catalogue) {
        for (int k = 1; k <= catalogue.RecordCount; ++k) {
            const CatalogueRecord& record = catalogue.Record(k);
            entry_ = k;
            SourceEntry entry;
            entry.title = Text(record.Title, "the title");
            entry.place = Text(record.Line2, "the place line");
            entry.time = Text(record.Line3, "the time line");
            for (int i = 1; i <= record.IndexLineCount; ++i)
                entry.index.push_back(Text(record.IndexLine(i), "an index line"));
            for (int i = 1; i <= record.PictureCount; ++i)
                entry.pictures.push_back(Picture(record.Picture(i)));
            entries_.push_back(std::move(entry));
        }
        for (const char* face : FaceFiles) {
            const std::optional<std::string> found = files::Resolve(folder_ + face);
            if (IsFile(found))
                copies_.push_back({*found, face});
        }
        // A page is a picture: its words cannot be read back, so it stays a finished page.
        for (const FoundPage& page : CheckPages(folder_).pages) {
            const std::string name = PageFileName(page.page);
            pages_.pagePictures.push_back({name, 0});
            copies_.push_back({folder_ + page.name, std::string(SourcePageFolder) + "/" + name});
        }
    }

    const SourcePages& Pages() const { return pages_; }

    const std::vector<SourceEntry>& Entries() const { return entries_; }
    const std::vector<Copy>& Copies() const { return copies_; }
    const std::vector<Problem>& Problems() const { return problems_; }

private:
    // The source holds one line a value, in characters the code page has.
    SourceValue Text(const ShortText& text, const char* what) {
        const std::string utf8 = Cp1250ToUtf8(text);
        for (const char c : text) {
            if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) {
                Report(what, "holds a control character, which the source cannot carry");
                return {utf8, 0};
            }
        }
        if (utf8.find("\xEF\xBF\xBD") != std::string::npos)
            Report(what, "holds a byte that code page 1250 leaves unassigned");
        return {utf8, 0};
    }

    // A picture larger than the frame was put there on purpose: it stays as it is.
    SourcePicture Picture(const ShortText& name) {
        const SourceValue value = Text(name, "a picture name");
        if (name.find_first_of("/\\") != std::string::npos) {
            Report("the picture name", "\"" + value.text +
                                           "\" holds a folder, which vendral-make "
                                           "does not use");
            return {value};
        }
        if (const auto known = asIs_.find(value.text); known != asIs_.end())
            return {value, known->second};
        // Found the way the viewer finds it.
        const std::optional<std::string> found = files::Resolve(folder_ + "images/" + name);
        bool asIs = false;
        if (IsFile(found)) {
            copies_.push_back({*found, std::string(SourcePictureFolder) + "/" + value.text});
            PictureFacts facts;
            asIs = ProbePicture(*found, facts).empty() && WhyNotAsIs(facts).empty() &&
                   FittedSize(facts.upright) != facts.upright;
        } else {
            Report("the picture", "images/" + value.text + " is missing");
        }
        asIs_[value.text] = asIs;
        return {value, asIs};
    }

    void Report(const char* what, const std::string& message) {
        problems_.push_back({0, "entry " + std::to_string(entry_) + ": " + what + " " + message});
    }

    std::string folder_;
    int entry_ = 0;
    std::vector<SourceEntry> entries_;
    SourcePages pages_;
    std::vector<Copy> copies_;
    std::map<std::string, bool> asIs_; // by picture name, once copied
    std::vector<Problem> problems_;
};

std::string WriteSourceFolder(const Importer& importer, const std::string& folder) {
    if (std::string why = WriteWholeFile(folder + "/" + SourceFileName,
                                         WriteSource(importer.Entries(), importer.Pages()));
        !why.empty())
        return why;
    std::error_code error;
    std::filesystem::create_directory(folder + "/" + SourcePictureFolder, error);
    if (!importer.Pages().pagePictures.empty())
        std::filesystem::create_directory(folder + "/" + SourcePageFolder, error);
    for (const Copy& copy : importer.Copies()) {
        if (const auto failure = files::CopyFileReplacing(copy.from, folder + "/" + copy.to))
            return "cannot copy " + copy.from + ": " + *failure;
    }
    return {};
}

// The first line where a build's datas.dat would differ from the original, 0 when none.
int FirstDifferentLine(const std::string& original, const std::string& rebuilt) {
    const auto [a, b] =
        std::mismatch(original.begin(), original.end(), rebuilt.begin(), rebuilt.end());
    if (a == original.end() && b == rebuilt.end())
        return 0;
    return 1 + int(std::count(original.begin(), a, '\n'));
}

} // namespace

int RunImport(const CommandOptions& options) {
    std::error_code error;
    if (!std::filesystem::is_directory(options.from, error)) {
        ReportFailure("the catalogue folder " + options.from + " does not exist");
        return BadArguments;
    }
    if (IsWithin(options.from, options.to)) {
        ReportFailure(
            "the catalogue folder lies within the source folder, which an import replaces");
        return BadArguments;
    }
    if (std::string why = TargetRefusal(options.to, options.force, SourceFileName); !why.empty()) {
        ReportFailure(why);
        return BadArguments;
    }

    const std::string datas = options.from + "/" + CatalogueFileName;
    auto catalogue = std::make_unique<Catalogue>();
    try {
        LoadCatalogueFile(*catalogue, datas);
    } catch (const Exception& failure) {
        ReportFailure(datas + ": " + Cp1250ToUtf8(ReportText(failure.Message())));
        return ProblemsFound;
    }
    Importer importer(options.from);
    importer.Take(*catalogue);
    if (!importer.Problems().empty()) {
        ReportProblems(datas, importer.Problems());
        return ProblemsFound;
    }

    StagingFolder staging(options.to);
    std::string why =
        staging.Path().empty() ? staging.Failure() : WriteSourceFolder(importer, staging.Path());
    if (why.empty())
        why = staging.Commit();
    if (!why.empty()) {
        ReportFailure(why);
        return ProblemsFound;
    }

    const files::ReadResult original = files::ReadWholeFile(datas, MaxCatalogueBytes);
    std::vector<CatalogueEntry> entries;
    for (int k = 1; k <= catalogue->RecordCount; ++k)
        entries.push_back(EntryFromRecord(catalogue->Record(k)));
    const int different =
        FirstDifferentLine({original.bytes.begin(), original.bytes.end()}, CatalogueText(entries));
    if (different != 0)
        std::fprintf(stderr,
                     "vendral-make: note: %s is not laid out as a build writes it (from line "
                     "%d on); a build keeps every entry but writes the usual layout\n",
                     datas.c_str(), different);
    if (const std::size_t pages = importer.Pages().pagePictures.size(); pages > 0)
        std::fprintf(stderr,
                     "vendral-make: note: the %zu pages in %s/pages are pictures, whose words "
                     "cannot be turned back into text; they are kept as \"page picture:\" lines "
                     "and built unchanged. To change a page, replace its line with the texts it "
                     "is to show (description:, introduction:, collection:, credits:)\n",
                     pages, options.from.c_str());
    if (!options.quiet)
        std::printf("Wrote %s: %d entries, %zu files copied\n", options.to.c_str(),
                    int(catalogue->RecordCount), importer.Copies().size());
    return Written;
}

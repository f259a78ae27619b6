#include "tools/make/buildplan.h"

#include "core/cp1250.h"
#include "core/files.h"
#include "tools/make/cataloguevalue.h"
#include "tools/vendral-check/check.h"

#include <filesystem>
#include <map>

namespace {

constexpr std::string_view ListEnd = "##";
constexpr std::string_view WindowsForbidden = "<>:\"|?*";

bool IsFile(const std::optional<std::string>& path) {
    std::error_code error;
    return path && std::filesystem::is_regular_file(*path, error);
}

std::string Plural(std::size_t count, const char* noun) {
    return std::to_string(count) + " " + noun;
}

class Planner {
public:
    explicit Planner(const std::string& sourceFolder)
        : source_(sourceFolder), folder_(sourceFolder + "/") {}

    BuildPlan Plan(ParsedSource parsed) {
        plan_.problems = std::move(parsed.problems);
        const auto& entries = parsed.entries;
        if (entries.size() > MaxRecords)
            Report(entries[MaxRecords].title.line, "entry " + std::to_string(MaxRecords + 1) +
                                                       ": a catalogue holds at most " +
                                                       Plural(MaxRecords, "entries"));
        for (std::size_t k = 0; k < entries.size() && k < MaxRecords; ++k)
            PlanEntry(entries[k], int(k) + 1);
        PlanFaces();
        plan_.pages = PlanPages(source_, parsed, plan_.entries, plan_.problems);
        return std::move(plan_);
    }

private:
    void PlanEntry(const SourceEntry& source, int number) {
        CatalogueEntry entry;
        entry.title = Value(source.title, "the title");
        entry.place = Value(source.place, "the place line");
        entry.time = Value(source.time, "the time line");
        if (entry.time == ListEnd && !source.index.empty())
            Report(source.time.line, "a time line \"##\" already closes the index list, so this "
                                     "entry can have no index lines");
        for (std::size_t i = 0; i < source.index.size(); ++i) {
            const SourceValue& line = source.index[i];
            if (i == MaxListLines) {
                Report(line.line, "index line " + std::to_string(i + 1) +
                                      ": an entry holds at most " +
                                      Plural(MaxListLines, "index lines"));
                break;
            }
            entry.index.push_back(Value(line, "the index line"));
            if (entry.index.back() == ListEnd)
                Report(line.line, "an index line \"##\" would close the index list");
        }
        for (std::size_t i = 0; i < source.pictures.size(); ++i) {
            if (i == MaxListLines) {
                Report(source.pictures[i].line, "picture " + std::to_string(i + 1) +
                                                    ": an entry holds at most " +
                                                    Plural(MaxListLines, "pictures"));
                break;
            }
            entry.pictures.push_back(Picture(source.pictures[i], number, int(i) + 1));
        }
        plan_.entries.push_back(std::move(entry));
    }

    ShortText Value(const SourceValue& value, std::string_view what) {
        return CatalogueValue(value, what, plan_.problems).value_or(ShortText());
    }

    // The picture's line in datas.dat, after checking its name and finding its file.
    ShortText Picture(const SourcePicture& value, int entry, int position) {
        const std::string& name = value.text;
        const std::optional<std::string> outputName = OutputName(value);
        if (!outputName)
            return {};
        const std::optional<ShortText> line =
            CatalogueValue({*outputName, value.line}, "the picture name", plan_.problems);
        if (!line)
            return {};

        const std::string shown = std::string(SourcePictureFolder) + "/" + name;
        const std::optional<std::string> found = files::Resolve(folder_ + shown);
        if (!IsFile(found)) {
            Report(value.line, shown + " is not in the source folder");
            return *line;
        }
        const std::string key = AsciiLower(*outputName);
        if (const auto known = byOutputName_.find(key); known != byOutputName_.end()) {
            const PictureJob& job = plan_.pictures[known->second.job];
            if (job.source != *found)
                Report(value.line, shown + " and the picture on line " +
                                       std::to_string(known->second.line) + " would both be " +
                                       "written as images/" + job.outputName);
            else if (job.asIs != value.asIs)
                Report(value.line, shown +
                                       " is to be kept as it is on one line and fitted on "
                                       "the other (line " +
                                       std::to_string(known->second.line) + ")");
            return *line;
        }
        PictureJob job{*found, *outputName, {}, entry, position, value.asIs};
        if (std::string why = ProbePicture(*found, job.facts); !why.empty()) {
            Report(value.line, shown + " cannot be read: " + why);
            return *line;
        }
        if (std::string why = value.asIs ? WhyNotAsIs(job.facts) : ""; !why.empty()) {
            Report(value.line, shown + " cannot be kept as it is: " + why);
            return *line;
        }
        byOutputName_[key] = {plan_.pictures.size(), value.line};
        plan_.pictures.push_back(std::move(job));
        return *line;
    }

    // The name the picture gets in the catalogue: the source's own for a JPEG, otherwise with
    // ".jpg" in place of its extension, as the viewer picks the decoder by the extension.
    std::optional<std::string> OutputName(const SourceValue& value) {
        const std::string& name = value.text;
        auto refuse = [&](const std::string& why) {
            Report(value.line, "the picture name \"" + name + "\" " + why);
            return std::nullopt;
        };
        if (name.empty())
            return refuse("is empty");
        if (name.find_first_of("/\\") != std::string::npos)
            return refuse("holds a folder; put the file straight into " +
                          std::string(SourcePictureFolder) + "/");
        if (const auto bad = name.find_first_of(WindowsForbidden); bad != std::string::npos)
            return refuse("holds \"" + name.substr(bad, 1) +
                          "\", which Windows does not allow in file names");
        if (name.back() == '.' || name.back() == ' ')
            return refuse("ends in \"" + name.substr(name.size() - 1) +
                          "\", which Windows drops from file names");
        const auto dot = name.rfind('.');
        if (dot == std::string::npos || dot == 0)
            return refuse("has no extension such as .jpg");
        const std::string extension = AsciiLower(name.substr(dot + 1));
        if (extension == "jpg" || extension == "jpeg")
            return name;
        return name.substr(0, dot) + ".jpg";
    }

    void PlanFaces() {
        for (const char* face : FaceFiles) {
            const std::optional<std::string> found = files::Resolve(folder_ + face);
            if (!IsFile(found)) {
                plan_.faces.push_back({face, {}});
                continue;
            }
            PictureFacts facts;
            const std::string why = ProbePicture(*found, facts);
            if (!why.empty() || !facts.jpeg)
                Report(0, std::string(face) + " in the source folder is not a JPEG the viewer " +
                              "can show" + (why.empty() ? "" : ": " + why));
            plan_.faces.push_back({face, *found});
        }
    }

    void Report(int line, std::string message) {
        plan_.problems.push_back({line, std::move(message)});
    }

    struct Named {
        std::size_t job;
        int line;
    };

    std::string source_, folder_;
    BuildPlan plan_;
    std::map<std::string, Named> byOutputName_; // by the lower-cased output name
};

} // namespace

BuildPlan PlanBuild(const std::string& sourceFolder, ParsedSource parsed) {
    return Planner(sourceFolder).Plan(std::move(parsed));
}

// vendral-make build: the source folder becomes a catalogue folder.

#include "core/files.h"
#include "tools/make/buildplan.h"
#include "tools/make/commands.h"
#include "tools/make/progress.h"
#include "tools/make/report.h"
#include "tools/make/stagingfolder.h"
#include "tools/make/writefile.h"
#include "tools/vendral-check/check.h"

#include <QFile>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <thread>

namespace {

// A source text far past anything 40 entries could need is refused before it is read.
constexpr std::uint64_t MaxSourceBytes = std::uint64_t{64} << 20;

std::string BuiltInFace(const std::string& name) {
    QFile file(":/faces/" + QString::fromStdString(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

std::string WriteFaces(const BuildPlan& plan, const std::string& folder) {
    for (const FaceJob& face : plan.faces) {
        const std::string target = folder + "/" + face.name;
        if (!face.source.empty()) {
            if (const auto failure = files::CopyFileReplacing(face.source, target))
                return "cannot copy " + face.source + ": " + *failure;
            continue;
        }
        const std::string bytes = BuiltInFace(face.name);
        if (bytes.empty())
            return "the built-in " + face.name + " is missing from this vendral-make";
        if (std::string why = WriteWholeFile(target, bytes); !why.empty())
            return why;
    }
    return {};
}

// Every picture on all cores; the first failure, or "".
std::string WritePictures(const BuildPlan& plan, const std::string& folder, bool quiet) {
    const std::vector<PictureJob>& jobs = plan.pictures;
    Progress progress(quiet);
    progress.SetTotal(int(jobs.size()));
    std::vector<std::string> failures(jobs.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            const PictureJob& job = jobs[i];
            failures[i] = WriteCataloguePicture(job.source, job.facts,
                                                folder + "/images/" + job.outputName, job.asIs);
            if (!failures[i].empty())
                failures[i] = job.source + ": " + failures[i];
            progress.PictureDone(job.entry, int(plan.entries.size()), job.position,
                                 int(plan.entries[std::size_t(job.entry) - 1].pictures.size()));
        }
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    {
        std::vector<std::jthread> helpers;
        for (unsigned i = 1; i < cores && i < jobs.size(); ++i)
            helpers.emplace_back(work);
        work();
    }
    progress.Finish();
    for (const std::string& failure : failures) {
        if (!failure.empty())
            return failure;
    }
    return {};
}

std::string WritePages(const PagesPlan& pages, const std::string& folder) {
    if (pages.pages.empty())
        return {};
    const std::string pagesFolder = folder + "/" + PageFolder;
    std::error_code error;
    if (!std::filesystem::create_directory(pagesFolder, error))
        return "cannot create " + pagesFolder + ": " + error.message();
    for (const PageJob& job : pages.pages) {
        const std::string target = pagesFolder + "/" + PageFileName(job.page);
        if (!job.source.empty()) {
            if (const auto failure = files::CopyFileReplacing(job.source, target))
                return "cannot copy " + job.source + ": " + *failure;
        } else if (std::string why = WriteWholeFile(
                       target, {reinterpret_cast<const char*>(job.jpeg.data()), job.jpeg.size()});
                   !why.empty()) {
            return why;
        }
    }
    return {};
}

// The finished folder read back as the viewer and vendral-check read it.
std::string Verify(const BuildPlan& plan, const std::string& folder) {
    const CheckResult check = CheckFolder(folder);
    if (check.error)
        return "the written catalogue does not load: " + *check.error;
    if (!check.missingFiles.empty())
        return "the written catalogue misses " + check.missingFiles.front();
    if (check.pages.pages.size() != plan.pages.pages.size())
        return "the written pages read back differently";
    const Catalogue& catalogue = *check.catalogue;
    if (catalogue.RecordCount != plan.entries.size())
        return "the written catalogue reads back with another entry count";
    for (int k = 1; k <= catalogue.RecordCount; ++k) {
        const CatalogueEntry read = EntryFromRecord(catalogue.Record(k));
        const CatalogueEntry& meant = plan.entries[std::size_t(k) - 1];
        if (read.title != meant.title || read.place != meant.place || read.time != meant.time ||
            read.index != meant.index || read.pictures != meant.pictures)
            return "entry " + std::to_string(k) + " reads back differently";
    }
    return {};
}

// A picture kept as it is that is larger than the frame overhangs it in the viewer, and may
// cover the buttons beside it: say so, in case the source line was not meant.
void NoteOverhangs(const BuildPlan& plan) {
    for (const PictureJob& job : plan.pictures) {
        if (job.asIs && FittedSize(job.facts.upright) != job.facts.upright)
            std::printf("Note: images/%s is kept at %d x %d, larger than the %d x %d picture "
                        "frame; the viewer shows it overhanging the frame\n",
                        job.outputName.c_str(), job.facts.upright.width(),
                        job.facts.upright.height(), FrameWidth, FrameHeight);
    }
}

std::string WriteCatalogue(const BuildPlan& plan, const std::string& folder, bool quiet) {
    if (std::string why =
            WriteWholeFile(folder + "/" + CatalogueFileName, CatalogueText(plan.entries));
        !why.empty())
        return why;
    if (std::string why = WriteFaces(plan, folder); !why.empty())
        return why;
    std::error_code error;
    if (!std::filesystem::create_directory(folder + "/images", error))
        return "cannot create " + folder + "/images: " + error.message();
    if (std::string why = WritePictures(plan, folder, quiet); !why.empty())
        return why;
    if (std::string why = WritePages(plan.pages, folder); !why.empty())
        return why;
    return Verify(plan, folder);
}

} // namespace

int RunBuild(const CommandOptions& options) {
    std::error_code error;
    if (!std::filesystem::is_directory(options.from, error)) {
        ReportFailure("the source folder " + options.from + " does not exist");
        return BadArguments;
    }
    if (IsWithin(options.from, options.to)) {
        ReportFailure("the source folder lies within the catalogue folder, which a build replaces");
        return BadArguments;
    }
    if (std::string why = TargetRefusal(options.to, options.force, CatalogueFileName);
        !why.empty()) {
        ReportFailure(why);
        return BadArguments;
    }

    const std::string sourceFile = options.from + "/" + SourceFileName;
    const files::ReadResult text = files::ReadWholeFile(sourceFile, MaxSourceBytes);
    if (text.error != 0) {
        ReportFailure(sourceFile + ": " + std::strerror(text.error));
        return ProblemsFound;
    }
    const BuildPlan plan = PlanBuild(
        options.from,
        ParseSource({reinterpret_cast<const char*>(text.bytes.data()), text.bytes.size()}));
    if (!plan.problems.empty()) {
        ReportProblems(sourceFile, plan.problems);
        return ProblemsFound;
    }

    StagingFolder staging(options.to);
    if (staging.Path().empty()) {
        ReportFailure(staging.Failure());
        return ProblemsFound;
    }
    if (std::string why = WriteCatalogue(plan, staging.Path(), options.quiet); !why.empty()) {
        ReportFailure(why + "; nothing written");
        return ProblemsFound;
    }
    if (std::string why = staging.Commit(); !why.empty()) {
        ReportFailure(why);
        return ProblemsFound;
    }
    if (!options.quiet) {
        const auto copied =
            std::count_if(plan.pictures.begin(), plan.pictures.end(), [](const PictureJob& job) {
                return job.asIs || CopiesAsItIs(job.facts);
            });
        std::printf("Wrote %s: %zu entries, %zu pictures (%td copied as they are, %td converted)\n",
                    options.to.c_str(), plan.entries.size(), plan.pictures.size(), copied,
                    std::ptrdiff_t(plan.pictures.size()) - copied);
        if (const std::string pages = PagesSummary(plan.pages); !pages.empty())
            std::printf("Pages of its own: %s\n", pages.c_str());
        NoteOverhangs(plan);
    }
    return Written;
}

#include "tools/vendral-check/check.h"

#include "colour/colour.h"
#include "core/cp1250.h"
#include "core/errors.h"
#include "core/files.h"
#include "core/reporttext.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <new>

namespace {

// The viewer opens files, not folders: a name that finds a folder is as good as missing.
bool IsThere(const std::string& path) {
    const auto resolved = files::Resolve(path);
    std::error_code error;
    return resolved && std::filesystem::is_regular_file(*resolved, error);
}

std::string ColourSpace(const std::string& path) {
    const auto resolved = files::Resolve(path);
    std::FILE* file = resolved ? std::fopen(resolved->c_str(), "rb") : nullptr;
    const JpegColourFacts facts = ReadJpegColourFacts(file);
    if (file != nullptr)
        std::fclose(file);
    return JpegColourLabel(facts);
}

void NoteMissing(std::vector<std::string>& missing, std::string name) {
    if (std::find(missing.begin(), missing.end(), name) == missing.end())
        missing.push_back(std::move(name));
}

} // namespace

CheckResult CheckFolder(const std::string& folder) {
    CheckResult result;
    result.catalogue = std::make_unique<Catalogue>();
    Catalogue& catalogue = *result.catalogue;
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    try {
        LoadCatalogueFile(catalogue, prefix + CatalogueFileName);
    } catch (const Exception& failure) {
        result.error = Cp1250ToUtf8(ReportText(failure.Message()));
    } catch (const std::bad_alloc&) {
        result.error = "Out of memory.";
    } catch (const std::exception& failure) {
        result.error = ReportText(failure.what());
    }

    for (int k = 1; k <= catalogue.RecordCount; ++k) {
        const CatalogueRecord& record = catalogue.Record(k);
        for (int i = 1; i <= record.PictureCount; ++i) {
            const std::string name = "images/" + record.Picture(i);
            const std::string shown = Cp1250ToUtf8(name);
            if (!IsThere(prefix + name)) {
                NoteMissing(result.missingFiles, shown);
            } else if (std::none_of(result.colourSpaces.begin(), result.colourSpaces.end(),
                                    [&](const auto& seen) { return seen.first == shown; })) {
                result.colourSpaces.emplace_back(shown, ColourSpace(prefix + name));
            }
        }
    }
    for (const char* face : FaceFiles) {
        if (!IsThere(prefix + face))
            NoteMissing(result.missingFiles, face);
    }
    result.pages = CheckPages(prefix);
    return result;
}

int ExitCode(const CheckResult& result) {
    if (result.error)
        return 2;
    return result.missingFiles.empty() && !result.pages.Problems() ? 0 : 1;
}

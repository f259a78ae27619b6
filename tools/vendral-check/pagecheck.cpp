#include "tools/vendral-check/pagecheck.h"

#include "core/files.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace {

// Pages are screen-sized pictures; anything far larger is no page.
constexpr std::uint64_t MaxPageBytes = std::uint64_t{64} << 20;

bool IsFrameMarker(unsigned char marker) {
    // SOF0 to SOF15 but DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

} // namespace

bool PagesCheck::Problems() const {
    return std::any_of(pages.begin(), pages.end(),
                       [](const FoundPage& page) { return !page.problem.empty(); });
}

PageSize JpegFrameSize(const std::vector<unsigned char>& bytes) {
    if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8)
        return {};
    std::size_t at = 2;
    while (at + 4 <= bytes.size()) {
        if (bytes[at] != 0xFF)
            return {};
        const unsigned char marker = bytes[at + 1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        const std::size_t length = std::size_t(bytes[at + 2]) << 8 | bytes[at + 3];
        if (IsFrameMarker(marker)) {
            if (length < 7 || at + 9 > bytes.size())
                return {};
            return {int(bytes[at + 7]) << 8 | bytes[at + 8],
                    int(bytes[at + 5]) << 8 | bytes[at + 6]};
        }
        if (marker == 0xD9 || marker == 0xDA || length < 2)
            return {};
        at += 2 + length;
    }
    return {};
}

PagesCheck CheckPages(const std::string& folder) {
    PagesCheck check;
    const std::optional<std::string> pagesFolder = files::Resolve(folder + PageFolder);
    std::error_code error;
    if (!pagesFolder || !std::filesystem::is_directory(*pagesFolder, error))
        return check;
    for (const PageFile& page : AllPages()) {
        const std::optional<std::string> found =
            files::Resolve(folder + PageFolder + "/" + PageFileName(page));
        if (!found || !std::filesystem::is_regular_file(*found, error))
            continue;
        FoundPage entry{page,
                        std::string(PageFolder) + "/" +
                            std::filesystem::path(*found).filename().string(),
                        {},
                        {}};
        const files::ReadResult file = files::ReadWholeFile(*found, MaxPageBytes);
        entry.size = file.error == 0 ? JpegFrameSize(file.bytes) : PageSize{};
        if (entry.size.width == 0 || entry.size.height == 0)
            entry.problem = "is not a JPEG picture the viewer can show";
        else
            entry.problem = PageSizeProblem(page, entry.size);
        check.pages.push_back(std::move(entry));
    }
    for (const auto& item : std::filesystem::directory_iterator(*pagesFolder, error)) {
        const std::string name = item.path().filename().string();
        if (!PageFromFileName(name))
            check.others.push_back(std::string(PageFolder) + "/" + name);
    }
    std::sort(check.others.begin(), check.others.end());
    return check;
}

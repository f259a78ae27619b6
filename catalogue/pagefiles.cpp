#include "catalogue/pagefiles.h"

#include "catalogue/catalogue.h"
#include "core/cp1250.h"

#include <charconv>

namespace {

constexpr std::string_view DescriptionPrefix = "description-";
constexpr std::string_view IntroductionPrefix = "introduction-";
constexpr std::string_view Extension = ".jpg";

// The number after the prefix, when the rest of the name is exactly a number in range.
std::optional<int> NumberAfter(std::string_view name, std::string_view prefix, int last) {
    if (!name.starts_with(prefix))
        return std::nullopt;
    name.remove_prefix(prefix.size());
    if (name.empty() || name.front() == '0')
        return std::nullopt;
    int number = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (error != std::errc() || end != name.data() + name.size() || number < 1 || number > last)
        return std::nullopt;
    return number;
}

std::string SizeText(PageSize size) {
    return std::to_string(size.width) + " x " + std::to_string(size.height);
}

} // namespace

std::string PageFileName(PageFile page) {
    switch (page.kind) {
    case PageKind::Description:
        return std::string(DescriptionPrefix) + std::to_string(page.number) + ".jpg";
    case PageKind::Introduction:
        return std::string(IntroductionPrefix) + std::to_string(page.number) + ".jpg";
    case PageKind::Splash:
        return "splash.jpg";
    case PageKind::About:
        return "about.jpg";
    case PageKind::Logo:
        return "logo.jpg";
    case PageKind::DescriptionLink:
        return "description-link.jpg";
    }
    return {};
}

std::optional<PageFile> PageFromFileName(std::string_view name) {
    const std::string lower = AsciiLower(name);
    std::string_view stem = lower;
    if (!stem.ends_with(Extension))
        return std::nullopt;
    stem.remove_suffix(Extension.size());
    if (stem == "splash")
        return PageFile{PageKind::Splash, 0};
    if (stem == "about")
        return PageFile{PageKind::About, 0};
    if (stem == "logo")
        return PageFile{PageKind::Logo, 0};
    if (stem == "description-link")
        return PageFile{PageKind::DescriptionLink, 0};
    if (const auto k = NumberAfter(stem, DescriptionPrefix, MaxRecords))
        return PageFile{PageKind::Description, *k};
    if (const auto page = NumberAfter(stem, IntroductionPrefix, 2))
        return PageFile{PageKind::Introduction, *page};
    return std::nullopt;
}

std::vector<PageFile> AllPages() {
    std::vector<PageFile> pages;
    for (int k = 1; k <= MaxRecords; ++k)
        pages.push_back({PageKind::Description, k});
    pages.push_back({PageKind::Introduction, 1});
    pages.push_back({PageKind::Introduction, 2});
    pages.push_back({PageKind::Splash, 0});
    pages.push_back({PageKind::About, 0});
    pages.push_back({PageKind::Logo, 0});
    pages.push_back({PageKind::DescriptionLink, 0});
    return pages;
}

PageSize PageBox(PageFile page) {
    switch (page.kind) {
    case PageKind::Description:
        // Record 10's page has always been given a box 400 rows high.
        return {715, page.number == 10 ? 400 : 415};
    case PageKind::Introduction:
        return page.number == 1 ? PageSize{713, 409} : PageSize{721, 369};
    case PageKind::Splash:
        return {800, 653};
    case PageKind::About:
        return {698, 480};
    case PageKind::Logo:
        return {93, 105};
    case PageKind::DescriptionLink:
        // The link's click area, from above the accents to below the descenders.
        return {169, 34};
    }
    return {};
}

bool IsBackground(PageFile page) {
    return page.kind == PageKind::Splash || page.kind == PageKind::About;
}

bool IsBackgroundPart(PageFile page) {
    return page.kind == PageKind::Logo || page.kind == PageKind::DescriptionLink;
}

PagePoint BackgroundPartPlace(PageFile page) {
    switch (page.kind) {
    case PageKind::Logo:
        return {633, 527}; // the built-in logo's box, which the about window's click area covers
    case PageKind::DescriptionLink:
        return {592, 372};
    default:
        return {};
    }
}

bool HasExactSize(PageFile page) {
    return IsBackground(page) || IsBackgroundPart(page);
}

std::string PageSizeProblem(PageFile page, PageSize size) {
    const PageSize box = PageBox(page);
    if (IsBackground(page)) {
        if (size == box)
            return {};
        return "is " + SizeText(size) + " pixels; the window's background must be " +
               SizeText(box) + ", as its shape and buttons lie on it";
    }
    if (IsBackgroundPart(page)) {
        if (size == box)
            return {};
        return "is " + SizeText(size) + " pixels; the main window's logo must be " + SizeText(box) +
               ", the box it covers in the window's background";
    }
    if (size.width <= box.width && size.height <= box.height)
        return {};
    return "is " + SizeText(size) + " pixels; the window shows " + SizeText(box) +
           " of it and cuts the rest";
}

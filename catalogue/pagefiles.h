#pragma once
// The pages a catalogue folder may bring in its pages/ folder in place of the pictures built
// into the viewer: a description page for each record, the two introduction pages, the whole
// backgrounds of the splash and the about window, and two parts of the main window's
// background: its logo and its description link. Each is a JPEG named by what it is.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* PageFolder = "pages";

enum class PageKind { Description, Introduction, Splash, About, Logo, DescriptionLink };

struct PageFile {
    PageKind kind = PageKind::Splash;
    int number = 0; // the record (1 to 40) of a description, the page (1 or 2) of the introduction
    bool operator==(const PageFile&) const = default;
};

struct PageSize {
    int width = 0, height = 0;
    bool operator==(const PageSize&) const = default;
};

struct PagePoint {
    int x = 0, y = 0;
    bool operator==(const PagePoint&) const = default;
};

// "description-3.jpg", without the folder.
std::string PageFileName(PageFile page);
// The page a name in pages/ stands for, letter case aside; nullopt for any other name.
std::optional<PageFile> PageFromFileName(std::string_view name);
// Every page a folder can bring: descriptions 1 to 40, introduction 1 and 2, splash, about,
// logo, description link.
std::vector<PageFile> AllPages();

// The size the window shows. A background must have exactly this size, since the window's
// shape and click areas lie on it; a text page larger than its box is cut at the box.
PageSize PageBox(PageFile page);
bool IsBackground(PageFile page);
// A piece of a window's background (the main window's logo and the caption of its link to
// the description, whose built-in words speak of an altarpiece): it must have exactly its box's
// size, and covers the background from BackgroundPartPlace on, leaving the shape and click areas as
// they are.
bool IsBackgroundPart(PageFile page);
// Where a background part lies in its window's background; 0, 0 for the other pages.
PagePoint BackgroundPartPlace(PageFile page);
// Backgrounds and their parts: the size is the box's exactly.
bool HasExactSize(PageFile page);
// "" when a picture of `size` suits its window, otherwise why not.
std::string PageSizeProblem(PageFile page, PageSize size);

#pragma once
// A catalogue folder for the picture view benchmark: datas.dat with a big entry and a small
// one, their pictures in images/, and the six face files in the folder itself.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct BenchCatalogueLayout {
    int bigCount = 5;
    int bigWidth = 4000;
    int bigHeight = 3000;
    int smallCount = 4;
    int smallWidth = 480;
    int smallHeight = 360;
    int quality = 90;
    // When not empty, a third entry shows the big entry's pictures again, each with this ICC
    // profile embedded, so that showing them costs the colour conversion too.
    std::vector<std::uint8_t> taggedProfile;
    // Entries after those, each of bigCount pictures of the big size, all different: a list
    // to move through with decoding ahead.
    int moreEntries = 0;
};

struct BenchCatalogue {
    // UTF-8, as the title list shows them.
    std::string bigTitle;
    std::string smallTitle;
    // "images/<name>" in the entry's order; the first is the entry's main picture.
    std::vector<std::string> bigPictures;
    std::vector<std::string> smallPictures;
    std::string taggedTitle; // empty without a tagged entry
    std::vector<std::string> taggedPictures;
    std::vector<std::string> moreTitles;
    std::vector<std::vector<std::string>> morePictures;
};

// Writes everything into folder. The big entry comes first, then the small, the tagged one (if
// any) and the further entries. Each
// entry needs two pictures at least (with one, the catalogue's reading would take the closing "##"
// for the second).
BenchCatalogue WriteBenchCatalogue(const std::filesystem::path& folder,
                                   const BenchCatalogueLayout& layout);

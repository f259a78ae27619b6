// Loads a catalogue of 40 full entries (long lines, 50 index lines and 50 pictures each) many
// times and prints the median load time.

#include "catalogue/catalogue.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string FullCatalogue() {
    const auto line = [](const std::string& stem, int n) {
        std::string text = stem + std::to_string(n) + " ";
        text.resize(MaxShortText + 20, '\xE1'); // longer than a short text: cut when stored
        return text + "\r\n";
    };
    std::string text = std::to_string(MaxRecords) + "\r\n";
    for (int k = 1; k <= MaxRecords; ++k) {
        text += line("title ", k) + line("place ", k) + line("time ", k);
        for (int i = 1; i <= MaxListLines; ++i)
            text += line("index ", i);
        text += "##\r\n";
        for (int i = 1; i <= MaxListLines; ++i)
            text += "picture_" + std::to_string(k) + "_" + std::to_string(i) + ".jpg\r\n";
        text += "##\r\n";
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    std::string folder = (std::filesystem::temp_directory_path() / "vendral-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr)
        return 1;
    const std::string path = folder + "/" + CatalogueFileName;
    const std::string text = FullCatalogue();
    std::ofstream(path, std::ios::binary).write(text.data(), std::ssize(text));

    auto catalogue = std::make_unique<Catalogue>();
    std::vector<double> micros;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        LoadCatalogueFile(*catalogue, path);
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::filesystem::remove_all(folder);
    if (catalogue->RecordCount != MaxRecords || catalogue->Record(MaxRecords).PictureCount != 50) {
        std::fprintf(stderr, "the generated catalogue did not load whole\n");
        return 1;
    }
    std::nth_element(micros.begin(), micros.begin() + runs / 2, micros.end());
    std::printf("catalogue_file_bytes: %zu\n", text.size());
    std::printf("catalogue_load_40_full_entries_us: %.0f\n", micros[runs / 2]);
    return 0;
}

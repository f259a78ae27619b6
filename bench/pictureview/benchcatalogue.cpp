#include "bench/pictureview/benchcatalogue.h"

#include "bench/pictureview/paintingpattern.h"
#include "core/cp1250.h"
#include "pictures/pictures.h"

#include <fstream>
#include <stdexcept>

namespace {

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

void WritePainting(const std::filesystem::path& path, int width, int height, int seed, int quality,
                   const std::vector<std::uint8_t>& icc = {}) {
    const std::vector<std::uint8_t> rgb = PaintingPixels(width, height, seed);
    const std::vector<std::uint8_t> jpeg = EncodeJpeg(rgb.data(), width, height, false, quality);
    WriteFile(path, icc.empty() ? jpeg : EmbedIccProfile(jpeg, icc));
}

std::vector<std::string> Pictures(const std::string& stem, int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back("images/" + stem + std::to_string(i) + ".jpg");
    return names;
}

// Title, place and time lines, one index line, "##", the picture names, "##"; CR LF.
std::string EntryText(const std::string& utf8Title, const std::vector<std::string>& pictures) {
    const auto line = [](const std::string& utf8) { return Utf8ToCp1250(utf8).value() + "\r\n"; };
    std::string text =
        line(utf8Title) + line("Budapest") + line("1890") + line("tájkép") + "##\r\n";
    for (const std::string& picture : pictures)
        text += line(picture.substr(std::string("images/").size()));
    return text + "##\r\n";
}

} // namespace

BenchCatalogue WriteBenchCatalogue(const std::filesystem::path& folder,
                                   const BenchCatalogueLayout& layout) {
    if (layout.bigCount < 2 || layout.smallCount < 2)
        throw std::invalid_argument("each benchmark entry needs two pictures at least");
    BenchCatalogue catalogue{"Nagy képek",
                             "Kis képek",
                             Pictures("nagy", layout.bigCount),
                             Pictures("kis", layout.smallCount),
                             {},
                             {},
                             {},
                             {}};
    std::filesystem::create_directories(folder / "images");
    int seed = 0;
    for (const std::string& picture : catalogue.bigPictures)
        WritePainting(folder / picture, layout.bigWidth, layout.bigHeight, ++seed, layout.quality);
    for (const std::string& picture : catalogue.smallPictures)
        WritePainting(folder / picture, layout.smallWidth, layout.smallHeight, ++seed,
                      layout.quality);
    if (!layout.taggedProfile.empty()) {
        catalogue.taggedTitle = "Színprofilos képek";
        catalogue.taggedPictures = Pictures("profilos", layout.bigCount);
        // The big entry's paintings: the same decoding work, and the conversion on top.
        int bigSeed = 0;
        for (const std::string& picture : catalogue.taggedPictures)
            WritePainting(folder / picture, layout.bigWidth, layout.bigHeight, ++bigSeed,
                          layout.quality, layout.taggedProfile);
    }
    for (int entry = 1; entry <= layout.moreEntries; ++entry) {
        catalogue.moreTitles.push_back("Sorozat " + std::to_string(entry));
        catalogue.morePictures.push_back(
            Pictures("sorozat" + std::to_string(entry) + "_", layout.bigCount));
        for (const std::string& picture : catalogue.morePictures.back())
            WritePainting(folder / picture, layout.bigWidth, layout.bigHeight, ++seed,
                          layout.quality);
    }
    for (const char* face : {"activearrowleft.jpg", "inactivearrowleft.jpg", "activearrowright.jpg",
                             "inactivearrowright.jpg"})
        WritePainting(folder / face, 12, 31, ++seed, layout.quality);
    for (const char* face : {"radioon.jpg", "radiooff.jpg"})
        WritePainting(folder / face, 24, 24, ++seed, layout.quality);

    std::string text = EntryText(catalogue.bigTitle, catalogue.bigPictures) +
                       EntryText(catalogue.smallTitle, catalogue.smallPictures);
    if (!catalogue.taggedTitle.empty())
        text += EntryText(catalogue.taggedTitle, catalogue.taggedPictures);
    for (std::size_t entry = 0; entry < catalogue.moreTitles.size(); ++entry)
        text += EntryText(catalogue.moreTitles[entry], catalogue.morePictures[entry]);
    const std::size_t entries =
        2 + (catalogue.taggedTitle.empty() ? 0 : 1) + catalogue.moreTitles.size();
    text = std::to_string(entries) + "\r\n" + text;
    WriteFile(folder / "datas.dat", std::vector<std::uint8_t>(text.begin(), text.end()));
    return catalogue;
}

// Builds a catalogue of 40 entries of five 6000 x 4000 camera JPEGs with vendral-make, and
// times djpeg decoding the same 200 files in full one after another, the cost of looking at
// every picture once. Prints the median of three runs of each and their ratio. Then times a
// catalogue of 40 small entries whose every page is set from text (44 pages).

#include "bench/pictureview/paintingpattern.h"
#include "pictures/jpegencoder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int Entries = 40, PicturesAnEntry = 5, Width = 6000, Height = 4000, Runs = 3;

std::string PictureName(int entry, int position) {
    return "e" + std::to_string(entry) + "_" + std::to_string(position) + ".jpg";
}

// Five different photographs, each under eight names: the work per file is what counts.
void WriteSource(const fs::path& source) {
    fs::create_directories(source / "images");
    std::string text;
    for (int position = 1; position <= PicturesAnEntry; ++position) {
        const auto pixels = PaintingPixels(Width, Height, position);
        const auto jpeg = EncodeJpeg(pixels.data(), Width, Height, false, 92);
        for (int entry = 1; entry <= Entries; ++entry)
            std::ofstream(source / "images" / PictureName(entry, position), std::ios::binary)
                .write(reinterpret_cast<const char*>(jpeg.data()), std::ssize(jpeg));
    }
    for (int entry = 1; entry <= Entries; ++entry) {
        text += "entry: Entry " + std::to_string(entry) + "\nplace: Place\ntime: 1500\n";
        for (int position = 1; position <= PicturesAnEntry; ++position)
            text += "picture: " + PictureName(entry, position) + "\n";
    }
    std::ofstream(source / "catalogue.txt", std::ios::binary) << text;
}

// Forty entries of one small picture, each with a description of two paragraphs, and the
// catalogue's introduction, splash and credits.
void WritePagesSource(const fs::path& source) {
    fs::create_directories(source / "images");
    const auto pixels = PaintingPixels(400, 300, 1);
    const auto jpeg = EncodeJpeg(pixels.data(), 400, 300, false, 90);
    std::ofstream(source / "images/a.jpg", std::ios::binary)
        .write(reinterpret_cast<const char*>(jpeg.data()), std::ssize(jpeg));
    std::string words;
    for (int i = 0; i < 12; ++i)
        words += "A táblakép a késő gótika emléke, a szárnyakon a szentek legendáival. ";
    std::string text = "collection: Bench Museum\nsponsor: Bench\nintroduction: One\n  " + words +
                       "\nintroduction: Two\n  " + words + "\ncredits: Staff\n  A. B.\n";
    for (int entry = 1; entry <= Entries; ++entry)
        text += "entry: Entry " + std::to_string(entry) +
                "\nplace: Place\ntime: 1500\npicture: a.jpg\ndescription: " + words + "\n\n  " +
                words + "\ninitials: B. M.\n";
    std::ofstream(source / "catalogue.txt", std::ios::binary) << text;
}

// Median wall-clock seconds of a shell command; nullopt-like -1 when it fails.
double MedianSeconds(const std::string& command) {
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0)
            return -1;
        times.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[Runs / 2];
}

} // namespace

int main() {
    std::string pattern = (fs::temp_directory_path() / "vendral-bench-make-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        return 1;
    const fs::path folder = pattern;
    WriteSource(folder / "source");
    WritePagesSource(folder / "pages");

    const std::string make = std::string(VENDRAL_MAKE) + " build --quiet --force " +
                             (folder / "source").string() + " " + (folder / "out").string();
    const double makeSeconds = MedianSeconds(make);
    const double pagesSeconds =
        MedianSeconds(std::string(VENDRAL_MAKE) + " build --quiet --force " +
                      (folder / "pages").string() + " " + (folder / "pages-out").string());
    const std::string djpeg = "for f in " + (folder / "source/images").string() +
                              "/*.jpg; do djpeg -outfile /dev/null \"$f\" || exit 1; done";
    const bool haveDjpeg = std::system("command -v djpeg >/dev/null") == 0;
    const double djpegSeconds = haveDjpeg ? MedianSeconds(djpeg) : -1;
    fs::remove_all(folder);

    if (makeSeconds < 0) {
        std::fprintf(stderr, "vendral-make failed\n");
        return 1;
    }
    std::printf("make_40x5_6000x4000_s: %.2f\n", makeSeconds);
    if (pagesSeconds >= 0)
        std::printf("make_40_entries_44_pages_s: %.2f\n", pagesSeconds);
    if (djpegSeconds <= 0) {
        std::fprintf(stderr, "djpeg (libjpeg-turbo-progs) is missing or failed: no ratio\n");
        return 0;
    }
    std::printf("djpeg_200x6000x4000_s: %.2f\n", djpegSeconds);
    std::printf("make_vs_djpeg: %.3f\n", makeSeconds / djpegSeconds);
    return 0;
}

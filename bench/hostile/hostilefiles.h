#pragma once
// Catalogue folders made of hostile files, as they may come from a stick or a share: JPEG
// headers that claim huge sizes in a few hundred bytes, a huge 1-bit bitmap, FIFOs and device
// links where a picture or datas.dat should be, and an oversized datas.dat.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A JPEG of a few hundred bytes whose frame header claims width x height; its picture data
// covers one 16 x 16 block, and libjpeg fills in the rest when decoding.
std::vector<std::uint8_t> ClaimingJpeg(int width, int height, bool progressive = false);

// A 1-bit BMP file header claiming width x height with all its pixel rows present (zeros).
void WriteOneBitBmp(const std::filesystem::path& file, int width, int height);

struct HostileCase {
    std::string name;
    std::string what; // one line: what the case holds
};

// The cases WriteHostileCase knows, in a fixed order.
const std::vector<HostileCase>& HostileCases();

// A catalogue folder of one entry whose main picture (and thumbnail 1) is the case's file, or
// whose datas.dat is the case's file; with the six face pictures.
void WriteHostileCase(const std::filesystem::path& folder, const std::string& name);

// One folder holding every picture case at once: an entry for each, plus a few good pictures,
// for the random-use run. datas.dat stays a good file here.
void WriteHostileFolder(const std::filesystem::path& folder);

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
// halvedChroma: the colour components at half resolution each way, as cameras write.
std::vector<std::uint8_t> ClaimingJpeg(int width, int height, bool progressive = false,
                                       bool halvedChroma = false);

// A progressive JPEG of a flat grey picture whose last scan is repeated until the file holds
// scans scans: each repeat costs libjpeg a pass over the picture and adds only a few bytes.
std::vector<std::uint8_t> ManyScanJpeg(int width, int height, int scans);

// Metafiles of records drawing short lines, records of them in all (headers and end included):
// an EMF of 16 bytes a record and a plain WMF of 10.
std::vector<std::uint8_t> ManyRecordEmf(std::uint32_t records);
std::vector<std::uint8_t> ManyRecordWmf(std::uint32_t records);
// A plain WMF of a few hundred short lines and one far up, so its drawing is 100 x 32813 units:
// a picture within the bounds that Qt's rasterizer takes a second to draw at its own size.
std::vector<std::uint8_t> TallLinesWmf();

// A 1-bit BMP file header claiming width x height with all its pixel rows present (zeros).
void WriteOneBitBmp(const std::filesystem::path& file, int width, int height);

struct HostileCase {
    std::string name;
    std::string what; // one line: what the case holds
};

// The cases WriteHostileCase knows, in a fixed order.
const std::vector<HostileCase>& HostileCases();

// A catalogue folder whose second entry's main picture (and thumbnail 1) is the case's file,
// titled "Hostile", or whose datas.dat is the case's file; with the six face pictures.
void WriteHostileCase(const std::filesystem::path& folder, const std::string& name);

// One folder holding every picture case at once: an entry for each, plus a few good pictures,
// for the random-use run. datas.dat stays a good file here.
void WriteHostileFolder(const std::filesystem::path& folder);

#include "bench/hostile/hostilefiles.h"

#include "pictures/jpegencoder.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

std::vector<std::uint8_t> SmallJpeg(int width, int height, std::uint8_t shade) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint8_t>(shade + (i / 3 % 7) * 9);
    return EncodeJpeg(pixels.data(), width, height, false, 80);
}

void WriteFaces(const fs::path& folder) {
    for (const char* face : {"activearrowleft.jpg", "activearrowright.jpg", "inactivearrowleft.jpg",
                             "inactivearrowright.jpg"})
        WriteFile(folder / face, SmallJpeg(12, 31, 90));
    WriteFile(folder / "radioon.jpg", SmallJpeg(24, 24, 200));
    WriteFile(folder / "radiooff.jpg", SmallJpeg(24, 24, 40));
}

struct Entry {
    std::string title;
    std::vector<std::string> pictures;
};

std::string CatalogueText(const std::vector<Entry>& entries) {
    std::string text = std::to_string(entries.size()) + "\r\n";
    for (const Entry& entry : entries) {
        text += entry.title + "\r\nHely " + entry.title + "\r\nIdo " + entry.title + "\r\n";
        text += "index " + entry.title + "\r\n##\r\n";
        for (const std::string& picture : entry.pictures)
            text += picture + "\r\n";
        // One picture: the second picture line is the terminator itself.
        text += "##\r\n";
    }
    return text;
}

void WriteCatalogue(const fs::path& file, const std::vector<Entry>& entries) {
    const std::string text = CatalogueText(entries);
    WriteFile(file, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void MakeFifo(const fs::path& file) {
    fs::create_directories(file.parent_path());
    if (::mkfifo(file.c_str(), 0644) != 0)
        throw std::runtime_error("cannot make the FIFO " + file.string());
}

// The picture cases: the file name under images/ and how to make it.
struct PictureCase {
    const char* name;
    const char* file;
    const char* what;
};

constexpr PictureCase PictureCases[] = {
    {"jpeg-20000", "claims20000.jpg",
     "baseline JPEG of a few hundred bytes claiming 20000 x 20000"},
    {"jpeg-progressive-20000", "progressive20000.jpg",
     "progressive JPEG of a few hundred bytes claiming 20000 x 20000"},
    {"jpeg-65500", "claims65500.jpg", "JPEG claiming 65500 x 65500, the largest libjpeg reads"},
    {"jpeg-30000", "claims30000.jpg", "JPEG claiming 30000 x 30000"},
    {"jpeg-15000x10000", "claims15000x10000.jpg",
     "JPEG claiming 15000 x 10000, a real photograph's size"},
    {"jpeg-progressive-15000x10000", "progressive15000x10000.jpg",
     "progressive JPEG claiming 15000 x 10000: libjpeg keeps every coefficient"},
    {"jpeg-progressive-16000x10000-halved-chroma", "progressive16000x10000.jpg",
     "progressive JPEG claiming 16000 x 10000 with chroma halved each way, inside the bound"},
    {"jpeg-1000-scans", "scans1000.jpg",
     "progressive JPEG of 4000 x 3000 whose last scan is repeated to 1000 scans"},
    {"jpeg-100-scans", "scans100.jpg",
     "progressive JPEG of 4000 x 3000 whose last scan is repeated to 100 scans: within the scan "
     "limit, past the work budget"},
    {"emf-million-records", "lines.emf", "EMF of a million line records (16 MB)"},
    {"wmf-million-records", "lines.wmf", "plain WMF of a million line records (10 MB)"},
    {"emf-20000-records", "lines20000.emf", "EMF of 20,000 line records, the limit"},
    {"wmf-20000-records", "lines20000.wmf", "plain WMF of 20,000 line records, the limit"},
    {"wmf-tall-lines", "tall.wmf",
     "plain WMF of 400 short lines and one reaching 32713 units up: 100 x 32813, 4 KB"},
    {"bmp-16384-1bit", "huge.bmp", "1-bit BMP of 16384 x 16384, all rows present (32 MB)"},
    {"bmp-16000x10000-1bit", "huge16000x10000.bmp",
     "1-bit BMP of 16000 x 10000, all rows present (20 MB), inside the bound"},
    {"fifo-picture", "fifo.jpg", "the main picture is a FIFO"},
    {"zero-picture", "zero.jpg", "the main picture links to /dev/zero"},
};

void WritePictureCase(const fs::path& images, const PictureCase& picture) {
    const std::string name = picture.name;
    const fs::path file = images / picture.file;
    if (name == "jpeg-20000")
        WriteFile(file, ClaimingJpeg(20000, 20000));
    else if (name == "jpeg-progressive-20000")
        WriteFile(file, ClaimingJpeg(20000, 20000, true));
    else if (name == "jpeg-65500")
        WriteFile(file, ClaimingJpeg(65500, 65500));
    else if (name == "jpeg-30000")
        WriteFile(file, ClaimingJpeg(30000, 30000));
    else if (name == "jpeg-15000x10000")
        WriteFile(file, ClaimingJpeg(15000, 10000));
    else if (name == "jpeg-progressive-15000x10000")
        WriteFile(file, ClaimingJpeg(15000, 10000, true));
    else if (name == "jpeg-progressive-16000x10000-halved-chroma")
        WriteFile(file, ClaimingJpeg(16000, 10000, true, true));
    else if (name == "jpeg-1000-scans")
        WriteFile(file, ManyScanJpeg(4000, 3000, 1000));
    else if (name == "jpeg-100-scans")
        WriteFile(file, ManyScanJpeg(4000, 3000, 100));
    else if (name == "emf-million-records")
        WriteFile(file, ManyRecordEmf(1'000'000));
    else if (name == "wmf-million-records")
        WriteFile(file, ManyRecordWmf(1'000'000));
    else if (name == "emf-20000-records")
        WriteFile(file, ManyRecordEmf(20'000));
    else if (name == "wmf-20000-records")
        WriteFile(file, ManyRecordWmf(20'000));
    else if (name == "wmf-tall-lines")
        WriteFile(file, TallLinesWmf());
    else if (name == "bmp-16384-1bit")
        WriteOneBitBmp(file, 16384, 16384);
    else if (name == "bmp-16000x10000-1bit")
        WriteOneBitBmp(file, 16000, 10000);
    else if (name == "fifo-picture")
        MakeFifo(file);
    else if (name == "zero-picture")
        fs::create_symlink("/dev/zero", file);
}

const PictureCase* FindPictureCase(const std::string& name) {
    for (const PictureCase& picture : PictureCases) {
        if (name == picture.name)
            return &picture;
    }
    return nullptr;
}

void PutU16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

} // namespace

std::vector<std::uint8_t> ClaimingJpeg(int width, int height, bool progressive, bool halvedChroma) {
    std::vector<std::uint8_t> pixels(16 * 16 * 3, 128);
    std::vector<std::uint8_t> jpeg = EncodeJpeg(pixels.data(), 16, 16, false, 50, 72, progressive);
    // The frame header (SOF0 or SOF2): length, precision, then height and width, big-endian.
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
            jpeg[i + 5] = static_cast<std::uint8_t>(height >> 8);
            jpeg[i + 6] = static_cast<std::uint8_t>(height);
            jpeg[i + 7] = static_cast<std::uint8_t>(width >> 8);
            jpeg[i + 8] = static_cast<std::uint8_t>(width);
            if (halvedChroma)
                jpeg[i + 11] = 0x22; // the first component's sampling factors
            return jpeg;
        }
    }
    throw std::runtime_error("the encoder wrote no frame header");
}

std::vector<std::uint8_t> ManyScanJpeg(int width, int height, int scans) {
    const std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 3, 128);
    std::vector<std::uint8_t> jpeg = EncodeJpeg(pixels.data(), width, height, false, 75, 72, true);
    // The last scan runs from the last start-of-scan marker to the end-of-image marker.
    std::size_t last = 0;
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA)
            last = i;
    }
    if (last == 0 || jpeg.size() < 2)
        throw std::runtime_error("the encoder wrote no scan");
    const std::vector<std::uint8_t> scan(jpeg.begin() + static_cast<std::ptrdiff_t>(last),
                                         jpeg.end() - 2);
    const std::vector<std::uint8_t> end(jpeg.end() - 2, jpeg.end());
    jpeg.resize(jpeg.size() - 2);
    int written = 0;
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i)
        written += jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA;
    for (; written < scans; ++written)
        jpeg.insert(jpeg.end(), scan.begin(), scan.end());
    jpeg.insert(jpeg.end(), end.begin(), end.end());
    return jpeg;
}

std::vector<std::uint8_t> ManyRecordEmf(std::uint32_t records) {
    records = std::max<std::uint32_t>(records, 2);
    const std::uint32_t bytes = 88 + (records - 2) * 16 + 20;
    std::vector<std::uint8_t> out;
    out.reserve(bytes);
    // Header: bounds 0,0-99,99 pixels, frame 0,0-2645,2645 (100 pixels at 96 dpi), " EMF",
    // version, size, records, handles, no description or palette, the reference device.
    for (const std::uint32_t word :
         {1u,       88u,   0u,      0u, 99u, 99u, 0u, 0u,    2645u, 2645u, 0x464D4520u,
          0x10000u, bytes, records, 1u, 0u,  0u,  0u, 1024u, 768u,  271u,  203u})
        PutU32(out, word);
    for (std::uint32_t i = 0; i + 2 < records; ++i) {
        // Alternately a move (EMR_MOVETOEX) and a line (EMR_LINETO) to a point on the picture.
        PutU32(out, i % 2 == 0 ? 27 : 54);
        PutU32(out, 16);
        PutU32(out, i * 7 % 100);
        PutU32(out, i * 13 % 100);
    }
    for (const std::uint32_t word : {14u, 20u, 0u, 0u, 20u}) // end of file
        PutU32(out, word);
    return out;
}

std::vector<std::uint8_t> ManyRecordWmf(std::uint32_t records) {
    records = std::max<std::uint32_t>(records, 2);
    const std::uint32_t words = 9 + (records - 2) * 5 + 5 + 3;
    std::vector<std::uint8_t> out;
    out.reserve(std::size_t{words} * 2);
    // Header: on disk, 9 words, version 3, size in words, no objects, largest record 5 words.
    for (const unsigned word : {2u, 9u, 0x0300u, words & 0xFFFF, words >> 16, 0u, 5u, 0u, 0u})
        PutU16(out, word);
    // The window's extent, 100 x 100, so the drawing has a size.
    for (const unsigned word : {5u, 0u, 0x020Cu, 100u, 100u})
        PutU16(out, word);
    for (std::uint32_t i = 0; i + 2 < records; ++i) {
        // Alternately META_MOVETO and META_LINETO: size, function, y, x.
        for (const unsigned word :
             {5u, 0u, i % 2 == 0 ? 0x0214u : 0x0213u, i * 13 % 100, i * 7 % 100})
            PutU16(out, word);
    }
    for (const unsigned word : {3u, 0u, 0u}) // end of file
        PutU16(out, word);
    return out;
}

std::vector<std::uint8_t> TallLinesWmf() {
    std::vector<std::uint8_t> wmf = ManyRecordWmf(400);
    // The header (18 bytes) and the window's extent (10) come first; record 235 is a line
    // whose first parameter, y, is set to -32713.
    const std::size_t y = 18 + 10 + 235 * 10 + 6;
    wmf[y] = static_cast<std::uint8_t>(-32713 & 0xFF);
    wmf[y + 1] = static_cast<std::uint8_t>((-32713 >> 8) & 0xFF);
    return wmf;
}

void WriteOneBitBmp(const fs::path& file, int width, int height) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) + 31) / 32 * 4;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> header;
    header.push_back('B');
    header.push_back('M');
    PutU32(header, 14 + 40 + 8 + pixelBytes);
    PutU32(header, 0);
    PutU32(header, 14 + 40 + 8);
    PutU32(header, 40);
    PutU32(header, static_cast<std::uint32_t>(width));
    PutU32(header, static_cast<std::uint32_t>(height));
    PutU16(header, 1);
    PutU16(header, 1);
    for (int i = 0; i < 6; ++i)
        PutU32(header, 0);
    PutU32(header, 0x000000);
    PutU32(header, 0xFFFFFF);
    WriteFile(file, header);
    // The rows are zeros: extend the file without writing them.
    fs::resize_file(file, header.size() + pixelBytes);
}

const std::vector<HostileCase>& HostileCases() {
    static const std::vector<HostileCase> cases = [] {
        std::vector<HostileCase> list;
        for (const PictureCase& picture : PictureCases)
            list.push_back({picture.name, picture.what});
        list.push_back({"fifo-catalogue", "datas.dat is a FIFO"});
        list.push_back({"zero-catalogue", "datas.dat links to /dev/zero"});
        list.push_back({"huge-catalogue", "datas.dat of 1 GB: one good entry, then zeros"});
        return list;
    }();
    return cases;
}

void WriteHostileCase(const fs::path& folder, const std::string& name) {
    WriteFaces(folder);
    fs::create_directories(folder / "images");
    WriteFile(folder / "images" / "good.jpg", SmallJpeg(160, 120, 60));
    if (const PictureCase* picture = FindPictureCase(name)) {
        WritePictureCase(folder / "images", *picture);
        WriteCatalogue(folder / "datas.dat",
                       {{"Good", {"good.jpg"}}, {"Hostile", {picture->file}}});
    } else if (name == "fifo-catalogue") {
        MakeFifo(folder / "datas.dat");
    } else if (name == "zero-catalogue") {
        fs::create_symlink("/dev/zero", folder / "datas.dat");
    } else if (name == "huge-catalogue") {
        WriteCatalogue(folder / "datas.dat", {{"Good", {"good.jpg"}}});
        fs::resize_file(folder / "datas.dat", std::uintmax_t{1} << 30);
    } else {
        throw std::runtime_error("no hostile case " + name);
    }
}

void WriteHostileFolder(const fs::path& folder) {
    WriteFaces(folder);
    const fs::path images = folder / "images";
    fs::create_directories(images);
    std::vector<Entry> entries;
    for (int i = 1; i <= 6; ++i) {
        const std::string name = "good" + std::to_string(i) + ".jpg";
        WriteFile(images / name, SmallJpeg(100 + 60 * i, 80 + 40 * i, std::uint8_t(30 * i)));
    }
    entries.push_back(
        {"Good pictures",
         {"good1.jpg", "good2.jpg", "good3.jpg", "good4.jpg", "good5.jpg", "good6.jpg"}});
    // Every picture case but the legitimately large ones, which only cost time here.
    for (const PictureCase& picture : PictureCases) {
        const std::string name = picture.name;
        if (name.find("15000x10000") != std::string::npos ||
            name.find("16000x10000") != std::string::npos || name == "jpeg-100-scans" ||
            name.find("20000-records") != std::string::npos)
            continue;
        WritePictureCase(images, picture);
        entries.push_back(
            {picture.name, {picture.file, "good1.jpg", picture.file, "good2.jpg", "missing.jpg"}});
    }
    // Faulty data after a good header, an unknown extension, no extension, a folder, a
    // picture that is really text.
    std::vector<std::uint8_t> cut = SmallJpeg(640, 480, 100);
    cut.resize(cut.size() / 3);
    WriteFile(images / "cut.jpg", cut);
    const std::string text = "not a picture at all\r\n";
    WriteFile(images / "text.jpg", std::vector<std::uint8_t>(text.begin(), text.end()));
    WriteFile(images / "text.bmp", std::vector<std::uint8_t>(text.begin(), text.end()));
    WriteFile(images / "text.ico", std::vector<std::uint8_t>(text.begin(), text.end()));
    WriteFile(images / "text.emf", std::vector<std::uint8_t>(text.begin(), text.end()));
    fs::create_directories(images / "folder.jpg");
    entries.push_back({"Faulty files",
                       {"cut.jpg", "text.jpg", "picture.gif", "noextension", "folder.jpg",
                        "text.bmp", "text.ico", "text.emf"}});
    // Within the bound, and small enough that showing it moves the memory figures little.
    entries.push_back({"Big claims", {"claims1200x900.jpg", "cut.jpg", "good3.jpg"}});
    WriteFile(images / "claims1200x900.jpg", ClaimingJpeg(1200, 900));
    WriteCatalogue(folder / "datas.dat", entries);
}

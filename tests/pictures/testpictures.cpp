#include "tests/pictures/testpictures.h"

#include "pictures/jpegencoder.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

std::vector<std::uint8_t> PatternPixels(int width, int height) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            // Smooth enough to survive compression, varied enough that no two neighbours match.
            p[0] = static_cast<std::uint8_t>(x * 255 / (width > 1 ? width - 1 : 1));
            p[1] = static_cast<std::uint8_t>(y * 255 / (height > 1 ? height - 1 : 1));
            p[2] = static_cast<std::uint8_t>((x * 7 + y * 13) % 256);
        }
    }
    return rgb;
}

std::vector<std::uint8_t> MakeJpeg(int width, int height, bool grayscale, int quality) {
    std::vector<std::uint8_t> rgb = PatternPixels(width, height);
    if (grayscale) {
        std::vector<std::uint8_t> gray(static_cast<std::size_t>(width) * height);
        for (std::size_t i = 0; i < gray.size(); ++i)
            gray[i] = static_cast<std::uint8_t>((rgb[3 * i] + rgb[3 * i + 1]) / 2);
        return EncodeJpeg(gray.data(), width, height, true, quality);
    }
    return EncodeJpeg(rgb.data(), width, height, false, quality);
}

std::vector<std::uint8_t> MakeProgressiveJpeg(int width, int height) {
    const std::vector<std::uint8_t> rgb = PatternPixels(width, height);
    return EncodeJpeg(rgb.data(), width, height, false, 95, 72, true);
}

std::vector<std::uint8_t> MakeInkJpeg(int width, int height, const std::vector<std::uint8_t>& cmyk,
                                      bool ycck, bool adobeMarker) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, ycck ? JCS_YCCK : JCS_CMYK);
    jpeg_set_quality(&info, 95, TRUE);
    info.write_Adobe_marker = adobeMarker ? TRUE : FALSE;
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * 4);
    while (info.next_scanline < info.image_height) {
        const std::size_t at = static_cast<std::size_t>(info.next_scanline) * width * 4;
        for (std::size_t i = 0; i < row.size(); ++i)
            row[i] = adobeMarker ? static_cast<std::uint8_t>(255 - cmyk[at + i]) : cmyk[at + i];
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

std::vector<std::uint8_t> WithBadMarkerBeforeEnd(std::vector<std::uint8_t> jpeg) {
    if (jpeg.size() < 2 || jpeg[jpeg.size() - 2] != 0xFF || jpeg.back() != 0xD9)
        throw std::runtime_error("no end marker");
    // A Huffman table segment one byte long: too short to hold its 17-byte header.
    const std::uint8_t badTable[] = {0xFF, 0xC4, 0x00, 0x03, 0x00};
    jpeg.insert(jpeg.end() - 2, std::begin(badTable), std::end(badTable));
    return jpeg;
}

void PutU16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::vector<std::uint8_t> MakeBmp24(int width, int height, const std::vector<std::uint8_t>& rgb,
                                    bool topDown) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> out{'B', 'M'};
    PutU32(out, 54 + imageSize);
    PutU32(out, 0);
    PutU32(out, 54);
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(topDown ? -height : height));
    PutU16(out, 1);
    PutU16(out, 24);
    PutU32(out, 0); // BI_RGB
    PutU32(out, imageSize);
    PutU32(out, 2834);
    PutU32(out, 2834);
    PutU32(out, 0);
    PutU32(out, 0);
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            out.insert(out.end(), {p[2], p[1], p[0]});
        }
        // Padding bytes that are not zero: a reader must skip them, not show them.
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < stride; ++pad)
            out.push_back(0xEE);
    }
    return out;
}

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vendral-chrome-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a scratch folder");
    path_ = pattern;
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void ScratchFolder::Write(const std::string& relative,
                          const std::vector<std::uint8_t>& bytes) const {
    const std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr)
        throw std::runtime_error("cannot write " + file.string());
    if (!bytes.empty())
        std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
}

namespace {

void PutS32(std::vector<std::uint8_t>& out, std::int32_t value) {
    PutU32(out, static_cast<std::uint32_t>(value));
}

// A WMF record: its size in 16-bit words, its function number, its parameters.
void WmfRecord(std::vector<std::uint8_t>& out, unsigned function, std::vector<int> parameters) {
    PutU32(out, static_cast<std::uint32_t>(3 + parameters.size()));
    PutU16(out, function);
    for (const int p : parameters)
        PutU16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(p)));
}

// An EMF record: type, size in bytes, 32-bit parameters.
void EmfRecord(std::vector<std::uint8_t>& out, std::uint32_t type,
               std::vector<std::int32_t> parameters) {
    PutU32(out, type);
    PutU32(out, static_cast<std::uint32_t>(8 + 4 * parameters.size()));
    for (const std::int32_t p : parameters)
        PutS32(out, p);
}

constexpr std::int32_t Red = 0x0000FF, Blue = 0xFF0000; // COLORREF: 0x00BBGGRR

} // namespace

std::vector<std::uint8_t> MakeWmf(bool placeable) {
    std::vector<std::uint8_t> records;
    WmfRecord(records, 0x020B, {0, 0});                          // SetWindowOrg (y, x)
    WmfRecord(records, 0x020C, {20, 40});                        // SetWindowExt (y, x)
    WmfRecord(records, 0x02FA, {5, 0, 0, 0, 0});                 // CreatePenIndirect: no pen
    WmfRecord(records, 0x012D, {0});                             // SelectObject
    WmfRecord(records, 0x02FC, {0, Red & 0xFFFF, Red >> 16, 0}); // CreateBrushIndirect
    WmfRecord(records, 0x012D, {1});
    WmfRecord(records, 0x041B, {20, 20, 0, 0}); // Rectangle (bottom, right, top, left)
    WmfRecord(records, 0x02FC, {0, Blue & 0xFFFF, Blue >> 16, 0});
    WmfRecord(records, 0x012D, {2});
    WmfRecord(records, 0x041B, {20, 40, 0, 20});
    WmfRecord(records, 0x0000, {}); // end of file

    std::vector<std::uint8_t> out;
    if (placeable) {
        PutU32(out, 0x9AC6CDD7);
        PutU16(out, 0);
        for (unsigned v : {0u, 0u, 40u, 20u, 96u}) // box and units a inch: a unit a pixel
            PutU16(out, v);
        PutU32(out, 0);
        std::uint16_t checksum = 0;
        for (std::size_t i = 0; i < out.size(); i += 2)
            checksum ^= static_cast<std::uint16_t>(out[i] | out[i + 1] << 8);
        PutU16(out, checksum);
    }
    PutU16(out, 2); // on disk
    PutU16(out, 9);
    PutU16(out, 0x0300);
    PutU32(out, static_cast<std::uint32_t>((18 + records.size()) / 2));
    PutU16(out, 3); // objects
    PutU32(out, 7); // largest record, in words
    PutU16(out, 0);
    out.insert(out.end(), records.begin(), records.end());
    return out;
}

std::vector<std::uint8_t> MakeEmf() {
    std::vector<std::uint8_t> records;
    EmfRecord(records, 39, {1, 0, Red, 0}); // CreateBrushIndirect (handle, style, colour, hatch)
    EmfRecord(records, 37, {1});            // SelectObject
    EmfRecord(records, 37, {static_cast<std::int32_t>(0x80000008)}); // the stock null pen
    EmfRecord(records, 43, {0, 0, 20, 20}); // Rectangle (left, top, right, bottom)
    EmfRecord(records, 39, {2, 0, Blue, 0});
    EmfRecord(records, 37, {2});
    EmfRecord(records, 43, {20, 0, 40, 20});
    EmfRecord(records, 14, {0, 0, 20}); // end of file

    std::vector<std::uint8_t> out;
    PutU32(out, 1); // header record
    PutU32(out, 88);
    for (std::int32_t v : {0, 0, 39, 19}) // bounds in pixels, inclusive
        PutS32(out, v);
    for (std::int32_t v : {0, 0, 1058, 529}) // frame in hundredths of a millimetre, at 96 dpi
        PutS32(out, v);
    PutU32(out, 0x464D4520);
    PutU32(out, 0x10000);
    PutU32(out, static_cast<std::uint32_t>(88 + records.size()));
    PutU32(out, 8); // records
    PutU16(out, 3); // handles
    PutU16(out, 0);
    for (std::int32_t v : {0, 0, 0, 1024, 768, 271, 203}) // description, palette; device size
        PutS32(out, v);
    out.insert(out.end(), records.begin(), records.end());
    return out;
}

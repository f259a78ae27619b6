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

namespace {

// Compresses width x height pixels of components bytes each, in inSpace, with libjpeg directly;
// adjust sets what the defaults and the quality leave to the caller.
template <typename Adjust>
std::vector<std::uint8_t> CompressJpeg(const std::vector<std::uint8_t>& pixels, int width,
                                       int height, int components, J_COLOR_SPACE inSpace,
                                       int quality, Adjust adjust) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = inSpace;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    adjust(info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels.data() +
                                            std::size_t(width) * components * info.next_scanline);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

} // namespace

std::vector<std::uint8_t> InkJpeg(const std::vector<std::uint8_t>& inks, int width, int height,
                                  bool ycck, bool adobeMarker, int quality) {
    return CompressJpeg(inks, width, height, 4, JCS_CMYK, quality, [&](jpeg_compress_struct& info) {
        jpeg_set_colorspace(&info, ycck ? JCS_YCCK : JCS_CMYK);
        info.write_Adobe_marker = adobeMarker ? TRUE : FALSE;
    });
}

std::vector<std::uint8_t> MakeSampledJpeg(int width, int height, int hSample, int vSample,
                                          int restartRows) {
    return CompressJpeg(PatternPixels(width, height), width, height, 3, JCS_RGB, 90,
                        [&](jpeg_compress_struct& info) {
                            if (hSample == 0) {
                                jpeg_set_colorspace(&info, JCS_GRAYSCALE);
                            } else {
                                info.comp_info[0].h_samp_factor = hSample;
                                info.comp_info[0].v_samp_factor = vSample;
                            }
                            info.restart_in_rows = restartRows;
                        });
}

std::vector<std::uint8_t> MakeInkJpeg(bool ycck, bool adobeMarker) {
    constexpr int Width = 32, Height = 16;
    std::vector<std::uint8_t> inks;
    for (int y = 0; y < Height; ++y)
        for (int i = 0; i < Width * 4; ++i) {
            const bool left = i < Width / 2 * 4;
            const int ink = (i % 4 == 0 && left) || (i % 4 == 2 && !left) ? 255
                            : i % 4 == 3 && !left                         ? 128
                                                                          : 0;
            inks.push_back(static_cast<std::uint8_t>(adobeMarker ? 255 - ink : ink));
        }
    return InkJpeg(inks, Width, Height, ycck, adobeMarker);
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

// Little-endian words: 16-bit for WMF, 32-bit for EMF; records read one a line below.
static std::vector<std::uint8_t> Words(std::initializer_list<std::uint32_t> words, int bytes) {
    std::vector<std::uint8_t> out;
    for (const std::uint32_t word : words) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<std::uint8_t>(word >> 8 * i));
    }
    return out;
}

// clang-format off
std::vector<std::uint8_t> MakeWmf(bool placeable) {
    // Placeable: box 0,0-40,20 at 96 units an inch, then the XOR of the words before.
    std::vector<std::uint8_t> out =
        placeable ? Words({0xCDD7, 0x9AC6, 0, 0, 0, 40, 20, 96, 0, 0, 0x574D}, 2) : Words({}, 2);
    const std::vector<std::uint8_t> records = Words({
        5, 0, 0x020C, 20, 40,            // window extent 40 x 20
        8, 0, 0x02FA, 5, 0, 0, 0, 0,     // no pen
        4, 0, 0x012D, 0,                 // selected
        7, 0, 0x02FC, 0, 0x00FF, 0, 0,   // red brush
        4, 0, 0x012D, 1,
        7, 0, 0x041B, 20, 20, 0, 0,      // rectangle: bottom, right, top, left
        7, 0, 0x02FC, 0, 0, 0x00FF, 0,   // blue brush
        4, 0, 0x012D, 2,
        7, 0, 0x041B, 20, 40, 0, 20,
        3, 0, 0}, 2);                    // end of file
    const auto size = static_cast<std::uint32_t>(9 + records.size() / 2); // in words
    const std::vector<std::uint8_t> header =
        Words({2, 9, 0x0300, size & 0xFFFF, size >> 16, 3, 8, 0, 0}, 2);
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), records.begin(), records.end());
    return out;
}

std::vector<std::uint8_t> MakeEmf() {
    const std::vector<std::uint8_t> records = Words({
        39, 24, 1, 0, 0x0000FF, 0,      // red brush
        37, 12, 1, 37, 12, 0x80000008,  // selected, and the stock null pen
        43, 24, 0, 0, 20, 20,           // rectangle: left, top, right, bottom
        39, 24, 2, 0, 0xFF0000, 0,      // blue brush
        37, 12, 2, 43, 24, 20, 0, 40, 20,
        14, 20, 0, 0, 20}, 4);          // end of file
    std::vector<std::uint8_t> out = Words({
        1, 88, 0, 0, 39, 19,            // header: bounds in pixels, inclusive
        0, 0, 1058, 529,                // frame in 0.01 mm: 40 x 20 pixels at 96 dpi
        0x464D4520, 0x10000, static_cast<std::uint32_t>(88 + records.size()),
        8, 3, 0, 0, 0,                  // records, handles, no description or palette
        1024, 768, 271, 203}, 4);       // the reference device
    out.insert(out.end(), records.begin(), records.end());
    return out;
}
// clang-format on

#include "tests/assets/assetfiles.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

namespace {

std::uint32_t U32(const Bytes& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

std::uint16_t U16(const Bytes& b, size_t at) {
    return std::uint16_t(b[at] | (b[at + 1] << 8));
}

int BigEndian16(const Bytes& b, size_t at) {
    return (b[at] << 8) | b[at + 1];
}

} // namespace

Bytes ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

EmbeddedPicture ReadEmbeddedPicture(const Bytes& bytes) {
    EmbeddedPicture picture;
    if (bytes.empty())
        return picture;
    const size_t nameLength = bytes[0];
    if (bytes.size() < 1 + nameLength + 4)
        return picture;
    picture.className.assign(bytes.begin() + 1, bytes.begin() + 1 + nameLength);
    picture.declaredSize = U32(bytes, 1 + nameLength);
    const size_t start = 1 + nameLength + 4;
    if (bytes.size() - start < picture.declaredSize)
        return picture;
    picture.file.assign(bytes.begin() + start, bytes.begin() + start + picture.declaredSize);
    picture.trailing = bytes.size() - start - picture.declaredSize;
    picture.valid = true;
    return picture;
}

std::string ToString(const Rgb& colour) {
    return "(" + std::to_string(colour.r) + ", " + std::to_string(colour.g) + ", " +
           std::to_string(colour.b) + ")";
}

int Distance(const Rgb& a, const Rgb& b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

Rgb BmpFile::At(int x, int y) const {
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t(3);
    const size_t at = pixelOffset + (height - 1 - y) * stride + 3 * static_cast<size_t>(x);
    return {data[at + 2], data[at + 1], data[at]};
}

BmpFile ReadBmp(const Bytes& bytes) {
    BmpFile bmp;
    bmp.actualSize = bytes.size();
    if (bytes.size() < 54)
        return bmp;
    bmp.magic[0] = char(bytes[0]);
    bmp.magic[1] = char(bytes[1]);
    bmp.fileSizeField = U32(bytes, 2);
    bmp.pixelOffset = U32(bytes, 10);
    bmp.headerSize = U32(bytes, 14);
    bmp.width = std::int32_t(U32(bytes, 18));
    bmp.height = std::int32_t(U32(bytes, 22));
    bmp.planes = U16(bytes, 26);
    bmp.bitsPerPixel = U16(bytes, 28);
    bmp.compression = U32(bytes, 30);
    bmp.imageSize = U32(bytes, 34);
    bmp.xPixelsPerMetre = std::int32_t(U32(bytes, 38));
    bmp.yPixelsPerMetre = std::int32_t(U32(bytes, 42));
    bmp.coloursUsed = U32(bytes, 46);
    bmp.coloursImportant = U32(bytes, 50);
    bmp.data = bytes;
    const size_t stride = (static_cast<size_t>(std::max(bmp.width, 0)) * 3 + 3) & ~size_t(3);
    bmp.valid = bmp.width > 0 && bmp.height > 0 && bmp.bitsPerPixel == 24 &&
                bmp.pixelOffset + stride * bmp.height <= bytes.size();
    return bmp;
}

JpegMarkers ReadJpegMarkers(const Bytes& b) {
    JpegMarkers markers;
    if (b.size() < 4)
        return markers;
    markers.startsWithSoi = b[0] == 0xFF && b[1] == 0xD8;
    markers.endsWithEoi = b[b.size() - 2] == 0xFF && b[b.size() - 1] == 0xD9;
    size_t at = 2;
    // Walk the marker segments up to the start of the scan.
    while (at + 4 <= b.size() && b[at] == 0xFF) {
        const int marker = b[at + 1];
        const int length = BigEndian16(b, at + 2);
        if (at + 2 + length > b.size())
            break;
        const size_t body = at + 4;
        if (marker == 0xE0 && length >= 16 &&
            std::equal(b.begin() + body, b.begin() + body + 5, "JFIF")) {
            markers.jfif = true;
            markers.densityUnits = b[body + 7];
            markers.xDensity = BigEndian16(b, body + 8);
            markers.yDensity = BigEndian16(b, body + 10);
        } else if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                   marker != 0xCC) {
            markers.frameMarker = marker;
            markers.precision = b[body];
            markers.height = BigEndian16(b, body + 1);
            markers.width = BigEndian16(b, body + 3);
            markers.components = b[body + 5];
        } else if (marker == 0xDA) {
            break;
        }
        at += 2 + length;
    }
    return markers;
}

namespace {

struct ErrorExit {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void Fail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorExit*>(info->err)->jump, 1);
}

} // namespace

DecodedJpeg DecodeJpeg(const Bytes& bytes) {
    DecodedJpeg result;
    std::vector<JSAMPLE> row; // declared before the jump point, so a failure frees it
    jpeg_decompress_struct info;
    ErrorExit error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = Fail;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    result.width = static_cast<int>(info.output_width);
    result.height = static_cast<int>(info.output_height);
    row.resize(static_cast<size_t>(result.width) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < result.width; ++x)
            result.pixels.push_back({row[3 * x], row[3 * x + 1], row[3 * x + 2]});
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    result.valid = true;
    return result;
}

std::string PicturesDir() {
    return VENDRAL_ASSETS_DIR "/pictures";
}
std::string DemoDir() {
    return VENDRAL_DEMO_DIR;
}

BmpFile Background(const std::string& name) {
    const EmbeddedPicture picture =
        ReadEmbeddedPicture(ReadFileBytes(PicturesDir() + "/" + name + ".pic"));
    return ReadBmp(picture.file);
}

DecodedJpeg BuiltInJpeg(const std::string& name) {
    const EmbeddedPicture picture =
        ReadEmbeddedPicture(ReadFileBytes(PicturesDir() + "/" + name + ".pic"));
    return DecodeJpeg(picture.file);
}

#include "bench/pictureview/barejpeg.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include <jpeglib.h>

BareDecoded DecodeWithLibjpeg(const std::vector<std::uint8_t>& bytes) {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.scale_num = 1;
    info.scale_denom = 1;
    info.do_block_smoothing = TRUE;
    info.buffered_image = FALSE;
    info.out_color_space = info.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);

    BareDecoded decoded;
    decoded.width = static_cast<int>(info.output_width);
    decoded.height = static_cast<int>(info.output_height);
    decoded.components = info.output_components;
    const std::size_t stride = std::size_t(decoded.width) * std::size_t(decoded.components);
    // Not cleared, as a freshly made bitmap is not: no extra pass over the pixels.
    decoded.pixels.reset(new std::uint8_t[stride * std::size_t(decoded.height)]);
    JSAMPROW rows[16];
    while (info.output_scanline < info.output_height) {
        const JDIMENSION next = info.output_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(16, info.output_height - next);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = decoded.pixels.get() + stride * (next + i);
        jpeg_read_scanlines(&info, rows, count);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return decoded;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size())))
        throw std::runtime_error("cannot read " + path);
    return bytes;
}

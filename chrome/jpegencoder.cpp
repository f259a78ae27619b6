#include "jpegencoder.h"

#include "errors.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

struct EncoderError {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
};

// libjpeg's C frames must not be unwound by a C++ exception: jump back out instead.
void EncoderErrorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<EncoderError*>(info->err)->escape, 1);
}

void EncoderSilent(j_common_ptr, int) {}

// Runs the compressor; returns the message code on failure, 0 on success. Kept free of C++
// objects with destructors because longjmp may leave it.
int Compress(jpeg_compress_struct& info, EncoderError& error, const std::uint8_t* pixels, int width,
             int height, bool grayscale, int quality, int densityDpi, unsigned char** buffer,
             unsigned long* size) {
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = EncoderErrorExit;
    error.manager.emit_message = EncoderSilent;
    if (setjmp(error.escape)) {
        const int code = error.manager.msg_code;
        jpeg_destroy_compress(&info);
        return code == 0 ? -1 : code;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = grayscale ? 1 : 3;
    info.in_color_space = grayscale ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.write_JFIF_header = TRUE;
    info.density_unit = 1; // dots per inch
    info.X_density = static_cast<UINT16>(densityDpi);
    info.Y_density = static_cast<UINT16>(densityDpi);
    if (!grayscale) {
        for (int c = 0; c < 3; ++c) {
            info.comp_info[c].h_samp_factor = 1;
            info.comp_info[c].v_samp_factor = 1;
        }
    }
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = static_cast<std::size_t>(width) * (grayscale ? 1 : 3);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels + stride * info.next_scanline);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return 0;
}

} // namespace

std::vector<std::uint8_t> EncodeJpeg(const std::uint8_t* pixels, int width, int height,
                                     bool grayscale, int quality, int densityDpi) {
    // JPEG stores dimensions and densities in 16 bits; libjpeg caps dimensions at 65500.
    if (pixels == nullptr || width < 1 || height < 1 || width > 65500 || height > 65500)
        throw EInvalidOperation("Invalid picture size for JPEG");
    if (densityDpi < 1 || densityDpi > 65535)
        throw EInvalidOperation("Invalid JPEG density");
    jpeg_compress_struct info{};
    EncoderError error{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const int code = Compress(info, error, pixels, width, height, grayscale,
                              std::clamp(quality, 1, 100), densityDpi, &buffer, &size);
    std::vector<std::uint8_t> bytes;
    if (code == 0)
        bytes.assign(buffer, buffer + size);
    std::free(buffer);
    if (code != 0)
        throw EJPEG(code);
    return bytes;
}

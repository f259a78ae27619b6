#include "pictures/jpegencoder.h"

#include "core/errors.h"
#include "pictures/jpegerrors.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Lives in the caller's frame so nothing in the setjmp frame changes after setjmp.
struct Session {
    jpeg_compress_struct info;
    JpegErrorManager errors;
    unsigned char* buffer;
    unsigned long size;
};

// Returns libjpeg's message code on failure, 0 on success.
int CompressIn(Session* session, const std::uint8_t* pixels, int width, int height, bool grayscale,
               int quality, int densityDpi, bool progressive) {
    jpeg_compress_struct* info = &session->info;
    info->err = InstallJpegErrorManager(session->errors);
    if (setjmp(session->errors.escape)) {
        const int code = session->errors.library.msg_code;
        jpeg_destroy_compress(info); // safe on a struct never created: it is zeroed
        return code;
    }
    jpeg_create_compress(info);
    jpeg_mem_dest(info, &session->buffer, &session->size);
    info->image_width = static_cast<JDIMENSION>(width);
    info->image_height = static_cast<JDIMENSION>(height);
    info->input_components = grayscale ? 1 : 3;
    info->in_color_space = grayscale ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(info);
    jpeg_set_quality(info, quality, TRUE);
    info->write_JFIF_header = TRUE;
    info->density_unit = 1; // dots per inch
    info->X_density = static_cast<UINT16>(densityDpi);
    info->Y_density = static_cast<UINT16>(densityDpi);
    // Full-resolution chroma: a decoded pixel stays close to the one written.
    for (int c = 0; c < info->num_components; ++c) {
        info->comp_info[c].h_samp_factor = 1;
        info->comp_info[c].v_samp_factor = 1;
    }
    if (progressive)
        jpeg_simple_progression(info);
    jpeg_start_compress(info, TRUE);
    const std::size_t stride = static_cast<std::size_t>(width) * (grayscale ? 1 : 3);
    while (info->next_scanline < info->image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels + stride * info->next_scanline);
        jpeg_write_scanlines(info, &row, 1);
    }
    jpeg_finish_compress(info);
    jpeg_destroy_compress(info);
    return 0;
}

} // namespace

std::vector<std::uint8_t> EncodeJpeg(const std::uint8_t* pixels, int width, int height,
                                     bool grayscale, int quality, int densityDpi,
                                     bool progressive) {
    // libjpeg caps dimensions at 65500; JFIF stores the density in 16 bits.
    if (pixels == nullptr || width < 1 || height < 1 || width > 65500 || height > 65500)
        throw EInvalidOperation("Invalid picture size for JPEG");
    if (densityDpi < 1 || densityDpi > 65535)
        throw EInvalidOperation("Invalid JPEG density");
    Session session{};
    const int code = CompressIn(&session, pixels, width, height, grayscale,
                                std::clamp(quality, 1, 100), densityDpi, progressive);
    std::vector<std::uint8_t> bytes;
    if (code == 0)
        bytes.assign(session.buffer, session.buffer + session.size);
    std::free(session.buffer);
    if (code != 0)
        RaiseJpegError(code);
    return bytes;
}

std::vector<std::uint8_t> EmbedIccProfile(std::span<const std::uint8_t> jpeg,
                                          std::span<const std::uint8_t> icc) {
    static constexpr char Tag[] = "ICC_PROFILE"; // with its NUL: 12 bytes
    constexpr std::size_t MaxChunk = 65533 - sizeof Tag - 2;
    const std::size_t chunks = (icc.size() + MaxChunk - 1) / MaxChunk;
    if (jpeg.size() < 2 || jpeg[0] != 0xFF || jpeg[1] != 0xD8 || icc.empty() || chunks > 255)
        throw EInvalidOperation("Cannot embed this profile in this JPEG");
    std::vector<std::uint8_t> out(jpeg.begin(), jpeg.begin() + 2);
    for (std::size_t chunk = 0; chunk < chunks; ++chunk) {
        const std::size_t begin = chunk * MaxChunk;
        const std::size_t length = std::min(MaxChunk, icc.size() - begin);
        const std::size_t field = 2 + sizeof Tag + 2 + length;
        out.insert(out.end(), {0xFF, JPEG_APP0 + 2, static_cast<std::uint8_t>(field >> 8),
                               static_cast<std::uint8_t>(field & 0xFF)});
        out.insert(out.end(), Tag, Tag + sizeof Tag);
        out.push_back(static_cast<std::uint8_t>(chunk + 1));
        out.push_back(static_cast<std::uint8_t>(chunks));
        out.insert(out.end(), icc.begin() + std::ptrdiff_t(begin),
                   icc.begin() + std::ptrdiff_t(begin + length));
    }
    out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
}

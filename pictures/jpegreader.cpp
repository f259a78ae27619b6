#include "pictures/jpegreader.h"

#include "pictures/jpegcolour.h"
#include "pictures/jpegerrors.h"
#include "pictures/jpegmemorybudget.h"
#include "pictures/picturebounds.h"
#include "pictures/rowconversion.h"

#include <algorithm>

#include <jerror.h>

namespace {

bool HoldsInk(const jpeg_decompress_struct* info) {
    return info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
}

// libjpeg makes no RGB from printing inks, only CMYK (from YCCK too), so the inks are turned
// into light here. Files with Adobe's marker (Photoshop's, and libjpeg's own) store each ink
// inverted: 255 means none.
void InkToRgb(const JSAMPLE* cmyk, std::uint8_t* rgb, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const int k = inverted ? cmyk[3] : 255 - cmyk[3];
        for (int c = 0; c < 3; ++c) {
            const int light = inverted ? cmyk[c] : 255 - cmyk[c];
            rgb[c] = static_cast<std::uint8_t>((light * k + 127) / 255);
        }
    }
}

// The coefficients libjpeg keeps for the whole picture when it reads it in several passes
// (a progressive file), at any output scale.
std::int64_t WholePictureCoefficientBytes(jpeg_decompress_struct* info) {
    if (!jpeg_has_multiple_scans(info))
        return 0;
    std::int64_t bytes = 0;
    for (int c = 0; c < info->num_components; ++c) {
        const jpeg_component_info& component = info->comp_info[c];
        const std::int64_t across =
            (std::int64_t{component.width_in_blocks} + component.h_samp_factor - 1) /
            component.h_samp_factor * component.h_samp_factor;
        const std::int64_t down =
            (std::int64_t{component.height_in_blocks} + component.v_samp_factor - 1) /
            component.v_samp_factor * component.v_samp_factor;
        bytes += across * down * static_cast<std::int64_t>(sizeof(JBLOCK));
    }
    return bytes;
}

// Lives in the caller's frame so nothing in the setjmp frames below changes after setjmp.
struct Session {
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    JpegMemoryBudget::Lease coefficients; // given back after the decompressor is destroyed
    PictureColour colour;
    RowConversion rows; // after an error too, done with the buffer before the caller sees it
};

int ReadHeaderIn(Session* session, const std::uint8_t* data, std::size_t size, JpegHeader* header) {
    jpeg_decompress_struct* info = &session->info;
    info->err = InstallJpegErrorManager(session->errors);
    if (setjmp(session->errors.escape)) {
        const int code = session->errors.library.msg_code;
        jpeg_destroy_decompress(info); // safe on a struct never created: it is zeroed
        return code;
    }
    jpeg_create_decompress(info);
    info->mem->max_memory_to_use = JpegMemoryLimit;
    jpeg_mem_src(info, data, static_cast<unsigned long>(size));
    jpeg_read_header(info, TRUE);
    header->width = static_cast<int>(info->image_width);
    header->height = static_cast<int>(info->image_height);
    header->grayscale = info->jpeg_color_space == JCS_GRAYSCALE;
    header->progressive = info->progressive_mode != 0;
    jpeg_destroy_decompress(info);
    return 0;
}

int DecodeIn(Session* session, const std::uint8_t* data, std::size_t size, bool grayscale,
             int expectedWidth, int expectedHeight, std::uint8_t* first, std::ptrdiff_t stride,
             int* rowsDone, int scaleNumerator, int scaleDenominator, OutputSpace space) {
    jpeg_decompress_struct* info = &session->info;
    info->err = InstallJpegErrorManager(session->errors);
    *rowsDone = 0;
    if (setjmp(session->errors.escape)) {
        const int code = session->errors.library.msg_code;
        jpeg_destroy_decompress(info);
        return code;
    }
    jpeg_create_decompress(info);
    info->mem->max_memory_to_use = JpegMemoryLimit;
    jpeg_mem_src(info, data, static_cast<unsigned long>(size));
    KeepJpegIccChunks(info);
    jpeg_read_header(info, TRUE);
    info->scale_num = static_cast<unsigned>(scaleNumerator);
    info->scale_denom = static_cast<unsigned>(scaleDenominator);
    info->do_block_smoothing = TRUE;
    info->buffered_image = FALSE;
    const bool ink = !grayscale && HoldsInk(info);
    info->out_color_space = grayscale ? JCS_GRAYSCALE : ink ? JCS_CMYK : JCS_RGB;
    session->colour = JpegColour(info, grayscale, space);
    const PixelConverter* converter = session->colour.converter.get();
    const bool inkConverted = ink && session->colour.takesInk;
    const bool shared = converter && !ink &&
                        session->rows.Start(session->colour.converter, first, stride, expectedWidth,
                                            expectedHeight);
    session->coefficients = JpegMemoryBudget::Instance().Take(WholePictureCoefficientBytes(info));
    jpeg_start_decompress(info);
    // The buffer was sized from the load-time header; never write past it.
    if (static_cast<int>(info->output_width) != expectedWidth ||
        static_cast<int>(info->output_height) != expectedHeight ||
        info->output_components != (grayscale ? 1
                                    : ink     ? 4
                                              : 3))
        ERREXIT(info, JERR_BAD_STATE);
    // Ink rows pass through libjpeg's own pool, which goes with the decompressor even when an
    // error jumps out of this frame.
    JSAMPARRAY inkRows = ink ? (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info),
                                                          JPOOL_IMAGE, info->output_width * 4, 16)
                             : nullptr;
    JSAMPROW rows[16];
    while (info->output_scanline < info->output_height) {
        const int next = static_cast<int>(info->output_scanline);
        const int count = std::min(16, expectedHeight - next);
        for (int i = 0; i < count; ++i)
            rows[i] = ink ? inkRows[i] : first + static_cast<std::ptrdiff_t>(next + i) * stride;
        const JDIMENSION got = jpeg_read_scanlines(info, rows, static_cast<JDIMENSION>(count));
        for (JDIMENSION i = 0; (ink || (converter && !shared)) && i < got; ++i) {
            std::uint8_t* row = first + static_cast<std::ptrdiff_t>(next + i) * stride;
            if (ink && !inkConverted)
                InkToRgb(inkRows[i], row, info->output_width, info->saw_Adobe_marker);
            if (converter)
                converter->Convert(inkConverted ? inkRows[i] : row, row,
                                   static_cast<int>(info->output_width));
        }
        *rowsDone = static_cast<int>(info->output_scanline);
        if (shared)
            session->rows.Decoded(*rowsDone);
    }
    session->rows.Finish(*rowsDone);
    jpeg_finish_decompress(info);
    jpeg_destroy_decompress(info);
    return 0;
}

} // namespace

int ReadJpegHeader(const std::uint8_t* data, std::size_t size, JpegHeader& header) {
    Session session{};
    JpegHeader read;
    const int code = ReadHeaderIn(&session, data, size, &read);
    if (code == 0)
        header = read;
    return code;
}

int DecodeJpegRows(const std::uint8_t* data, std::size_t size, bool grayscale, int expectedWidth,
                   int expectedHeight, std::uint8_t* first, std::ptrdiff_t stride, int& rowsDone,
                   int scaleDenominator, int scaleNumerator, OutputSpace space) {
    Session session{};
    int done = 0;
    const int code = DecodeIn(&session, data, size, grayscale, expectedWidth, expectedHeight, first,
                              stride, &done, scaleNumerator, scaleDenominator, space);
    rowsDone = done;
    return code;
}

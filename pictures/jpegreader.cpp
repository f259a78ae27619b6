#include "pictures/jpegreader.h"

#include "pictures/jpegcoefficients.h"
#include "pictures/jpegcolour.h"
#include "pictures/jpegerrors.h"
#include "pictures/jpegmemorybudget.h"
#include "pictures/jpegwork.h"
#include "pictures/picturebounds.h"
#include "pictures/rowconversion.h"

#include <algorithm>
#include <cstring>

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

// The part of the output a decode writes: libjpeg skips the rows above it and decodes only the
// columns of the blocks that cover it, whose first skipColumns columns the caller does not want.
struct JpegPart {
    int height = 0;
    int width = 0;
    int skipColumns = 0;
    bool cropped = false;
};

JpegPart ChoosePart(jpeg_decompress_struct* info, const JpegDecodeControl* control, int width,
                    int height) {
    if (control == nullptr || control->width <= 0 ||
        (control->left == 0 && control->top == 0 && control->width >= width &&
         control->height >= height))
        return {height, width, 0, false};
    const int left = std::clamp(control->left, 0, width - 1);
    const int top = std::clamp(control->top, 0, height - 1);
    JpegPart part;
    part.cropped = true;
    part.width = std::clamp(control->width, 1, width - left);
    part.height = std::clamp(control->height, 1, height - top);
    JDIMENSION cropLeft = static_cast<JDIMENSION>(left);
    JDIMENSION cropWidth = static_cast<JDIMENSION>(part.width);
    jpeg_crop_scanline(info, &cropLeft, &cropWidth);
    part.skipColumns = left - static_cast<int>(cropLeft);
    if (top > 0 &&
        jpeg_skip_scanlines(info, static_cast<JDIMENSION>(top)) != static_cast<JDIMENSION>(top))
        ERREXIT(info, JERR_BAD_STATE);
    return part;
}

// Lives in the caller's frame so nothing in the setjmp frames below changes after setjmp.
struct Session {
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    JpegMemoryBudget::Lease coefficients; // given back after the decompressor is destroyed
    PictureColour colour;
    RowConversion rows; // after an error too, done with the buffer before the caller sees it
    JpegWorkMonitor work;
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
    header->coefficientBytes = WholePictureCoefficientBytes(info);
    jpeg_destroy_decompress(info);
    return 0;
}

// After a recorded part: the rest of the file for the thumbnail's coefficients while they are
// wanted, the rows below skipped (never made into pixels) up to the last, which is read into
// libjpeg's own row (a skip to the very end decodes nothing); then the file's end, as a whole
// decode reads it. A part that reaches the picture's foot is handed over only once the file's end
// is read, since its own decode reads it and reports what is wrong there.
int GoOnRecording(Session* session, const JpegDecodeControl& control, JSAMPARRAY poolRows) {
    jpeg_decompress_struct* info = &session->info;
    const bool atFoot = info->output_scanline == info->output_height;
    if (atFoot) {
        jpeg_finish_decompress(info);
        control.record->MarkEnded();
    }
    const std::atomic<bool>* goOn = control.partDecoded ? control.partDecoded() : nullptr;
    if (goOn == nullptr || atFoot) {
        jpeg_destroy_decompress(info);
        return 0;
    }
    session->work.abandoned = goOn;
    StopIfAbandoned(info);
    if (const JDIMENSION below = info->output_height - info->output_scanline; below > 1)
        jpeg_skip_scanlines(info, below - 1);
    if (poolRows == nullptr || jpeg_read_scanlines(info, poolRows, 1) != 1)
        ERREXIT(info, JERR_BAD_STATE);
    jpeg_finish_decompress(info);
    control.record->MarkEnded();
    jpeg_destroy_decompress(info);
    return 0;
}

int DecodeIn(Session* session, const std::uint8_t* data, std::size_t size, bool grayscale,
             int expectedWidth, int expectedHeight, std::uint8_t* first, std::ptrdiff_t stride,
             int* rowsDone, int scaleNumerator, int scaleDenominator,
             const JpegDecodeControl* control) {
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
    session->colour = JpegColour(info, grayscale, control ? control->space : OutputSpace::Screen);
    const PixelConverter* converter = session->colour.converter.get();
    const bool inkConverted = ink && session->colour.takesInk;
    InstallJpegWorkMonitor(info, session->work, control ? control->abandoned : nullptr);
    session->coefficients = JpegMemoryBudget::Instance().Take(WholePictureCoefficientBytes(info));
    StopIfAbandoned(info); // while it waited for the budget, say
    session->work.reading = true;
    jpeg_start_decompress(info);
    session->work.reading = false;
    // The buffer was sized from the load-time header; never write past it.
    if (static_cast<int>(info->output_width) != expectedWidth ||
        static_cast<int>(info->output_height) != expectedHeight ||
        info->output_components != (grayscale ? 1
                                    : ink     ? 4
                                              : 3))
        ERREXIT(info, JERR_BAD_STATE);
    // Before the rows above a part are skipped: their coefficients are wanted too.
    const bool recording = control && control->record && control->record->Record(info);
    if (control && control->replay && !control->replay->Replay(info)) {
        jpeg_destroy_decompress(info);
        return JpegCoefficientsUnfit;
    }
    const JpegPart part = ChoosePart(info, control, expectedWidth, expectedHeight);
    // A large picture's rows are converted by a free decode worker while libjpeg goes on.
    const bool shared =
        converter && !ink &&
        session->rows.Start(session->colour.converter, first, stride, part.width, part.height);
    // Ink rows, and the rows of a part, pass through libjpeg's own pool, which goes with the
    // decompressor even when an error jumps out of this frame.
    const int pixelBytes = info->output_components;
    JSAMPARRAY poolRows = ink || part.cropped
                              ? (*info->mem->alloc_sarray)(
                                    reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                    info->output_width * static_cast<JDIMENSION>(pixelBytes), 16)
                              : nullptr;
    const std::size_t skipBytes = static_cast<std::size_t>(part.skipColumns) * pixelBytes;
    JSAMPROW rows[16];
    while (*rowsDone < part.height) {
        const int next = *rowsDone;
        const int count = std::min(16, part.height - next);
        for (int i = 0; i < count; ++i)
            rows[i] =
                poolRows ? poolRows[i] : first + static_cast<std::ptrdiff_t>(next + i) * stride;
        const int got =
            static_cast<int>(jpeg_read_scanlines(info, rows, static_cast<JDIMENSION>(count)));
        for (int i = 0; (poolRows || (converter && !shared)) && i < got; ++i) {
            std::uint8_t* out = first + static_cast<std::ptrdiff_t>(next + i) * stride;
            if (inkConverted) {
                converter->Convert(poolRows[i] + skipBytes, out, part.width);
                continue;
            }
            if (ink)
                InkToRgb(poolRows[i] + skipBytes, out, static_cast<JDIMENSION>(part.width),
                         info->saw_Adobe_marker);
            else if (poolRows)
                std::memcpy(out, poolRows[i] + skipBytes,
                            static_cast<std::size_t>(part.width) * pixelBytes);
            if (converter && !shared)
                converter->Convert(out, out, part.width);
        }
        *rowsDone = next + got;
        if (shared)
            session->rows.Decoded(*rowsDone);
        if (got == 0)
            ERREXIT(info, JERR_BAD_STATE);
    }
    session->rows.Finish(*rowsDone);
    if (recording)
        return GoOnRecording(session, *control, poolRows);
    if (control && control->replay) {
        // The file's data after the header was never read: nothing to check at its end.
        jpeg_destroy_decompress(info);
        return 0;
    }
    // Below the part: a file of one scan is read no further, since nothing there is drawn (the
    // data after the part is half the work of a part in the middle of a large photograph).
    // A file of several scans was read whole by jpeg_start_decompress, so its faults are known;
    // its rows below are skipped, not made into pixels.
    if (const JDIMENSION below = info->output_height - info->output_scanline; below > 0) {
        if (!jpeg_has_multiple_scans(info)) {
            jpeg_destroy_decompress(info);
            return 0;
        }
        jpeg_skip_scanlines(info, below);
    }
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
                   int scaleDenominator, int scaleNumerator, const JpegDecodeControl* control) {
    Session session{};
    int done = 0;
    const int code = DecodeIn(&session, data, size, grayscale, expectedWidth, expectedHeight, first,
                              stride, &done, scaleNumerator, scaleDenominator, control);
    rowsDone = done;
    return code;
}

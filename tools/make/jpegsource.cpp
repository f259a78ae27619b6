#include "tools/make/jpegsource.h"

#include "pictures/jpegerrors.h"
#include "tools/make/exiforientation.h"

#include <jerror.h>

namespace {

constexpr int App1 = JPEG_APP0 + 1;

// Lives in the caller's frame so nothing in the setjmp frames below changes after setjmp.
struct Session {
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    char message[JMSG_LENGTH_MAX];
};

int ScaledSide(int side, int eighths) {
    return (side * eighths + 7) / 8; // libjpeg rounds up
}

bool ProbeIn(Session* session, const std::vector<std::uint8_t>* bytes, JpegFacts* facts) {
    jpeg_decompress_struct* info = &session->info;
    info->err = InstallJpegErrorManager(session->errors);
    if (setjmp(session->errors.escape)) {
        session->errors.library.format_message(reinterpret_cast<j_common_ptr>(info),
                                               session->message);
        jpeg_destroy_decompress(info);
        return false;
    }
    jpeg_create_decompress(info);
    jpeg_mem_src(info, bytes->data(), static_cast<unsigned long>(bytes->size()));
    jpeg_save_markers(info, App1, 0xFFFF);
    jpeg_read_header(info, TRUE);
    facts->width = static_cast<int>(info->image_width);
    facts->height = static_cast<int>(info->image_height);
    facts->baseline = !info->progressive_mode && !info->arith_code;
    facts->grayscale = info->jpeg_color_space == JCS_GRAYSCALE;
    facts->cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    for (jpeg_saved_marker_ptr marker = info->marker_list; marker; marker = marker->next) {
        if (marker->marker == App1) {
            facts->orientation = ExifOrientation(marker->data, marker->data_length);
            break;
        }
    }
    jpeg_destroy_decompress(info);
    return true;
}

bool DecodeIn(Session* session, const std::vector<std::uint8_t>* bytes, const JpegFacts* facts,
              int eighths, std::uint8_t* first, std::ptrdiff_t stride, std::uint8_t* cmykRow) {
    jpeg_decompress_struct* info = &session->info;
    info->err = InstallJpegErrorManager(session->errors);
    if (setjmp(session->errors.escape)) {
        session->errors.library.format_message(reinterpret_cast<j_common_ptr>(info),
                                               session->message);
        jpeg_destroy_decompress(info);
        return false;
    }
    jpeg_create_decompress(info);
    jpeg_mem_src(info, bytes->data(), static_cast<unsigned long>(bytes->size()));
    jpeg_read_header(info, TRUE);
    info->scale_num = static_cast<unsigned>(eighths);
    info->scale_denom = 8;
    info->out_color_space = facts->cmyk ? JCS_CMYK : facts->grayscale ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(info);
    const int width = ScaledSide(facts->width, eighths);
    const int height = ScaledSide(facts->height, eighths);
    // The buffer was sized from the probe; never write past it.
    if (static_cast<int>(info->output_width) != width ||
        static_cast<int>(info->output_height) != height)
        ERREXIT(info, JERR_BAD_STATE);
    // Adobe writes CMYK inverted; without its marker the values are plain ink amounts.
    const bool inverted = info->saw_Adobe_marker;
    while (info->output_scanline < info->output_height) {
        std::uint8_t* row = first + static_cast<std::ptrdiff_t>(info->output_scanline) * stride;
        JSAMPROW target = facts->cmyk ? cmykRow : row;
        jpeg_read_scanlines(info, &target, 1);
        if (!facts->cmyk)
            continue;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* ink = cmykRow + x * 4;
            for (int c = 0; c < 3; ++c) {
                const int colour = inverted ? ink[c] : 255 - ink[c];
                const int black = inverted ? ink[3] : 255 - ink[3];
                row[x * 3 + c] = static_cast<std::uint8_t>(colour * black / 255);
            }
        }
    }
    jpeg_finish_decompress(info);
    jpeg_destroy_decompress(info);
    return true;
}

} // namespace

std::string ProbeJpeg(const std::vector<std::uint8_t>& bytes, JpegFacts& facts) {
    Session session{};
    JpegFacts read;
    if (!ProbeIn(&session, &bytes, &read))
        return session.message;
    facts = read;
    return {};
}

int ScaleEighths(const JpegFacts& facts, int minWidth, int minHeight) {
    for (int eighths = 1; eighths < 8; ++eighths) {
        if (ScaledSide(facts.width, eighths) >= minWidth &&
            ScaledSide(facts.height, eighths) >= minHeight)
            return eighths;
    }
    return 8;
}

std::string DecodeJpegScaled(const std::vector<std::uint8_t>& bytes, const JpegFacts& facts,
                             int eighths, QImage& image) {
    QImage decoded(ScaledSide(facts.width, eighths), ScaledSide(facts.height, eighths),
                   facts.grayscale ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (decoded.isNull())
        return "not enough memory for the picture";
    std::vector<std::uint8_t> cmykRow(facts.cmyk ? std::size_t(decoded.width()) * 4 : 0);
    Session session{};
    if (!DecodeIn(&session, &bytes, &facts, eighths, decoded.bits(), decoded.bytesPerLine(),
                  cmykRow.data()))
        return session.message;
    image = std::move(decoded);
    return {};
}

#include "tools/make/jpegsource.h"

#include "pictures/jpegerrors.h"
#include "pictures/jpegreader.h"
#include "tools/make/exiforientation.h"

namespace {

constexpr int App1 = JPEG_APP0 + 1;

// Lives in the caller's frame so nothing in the setjmp frame below changes after setjmp.
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
    // The viewer's own decode, so that inks and profiles turn into the same light in both.
    int rows = 0;
    JpegDecodeControl inSrgb;
    inSrgb.space = OutputSpace::Srgb;
    if (const int code = DecodeJpegRows(bytes.data(), bytes.size(), facts.grayscale,
                                        decoded.width(), decoded.height(), decoded.bits(),
                                        decoded.bytesPerLine(), rows, 8, eighths, &inSrgb))
        return JpegMessageText(code);
    image = std::move(decoded);
    return {};
}

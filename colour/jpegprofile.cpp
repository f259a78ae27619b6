#include "colour/jpegprofile.h"

#include <csetjmp>
#include <cstdlib>

void KeepJpegIccChunks(jpeg_decompress_struct* info) {
    jpeg_save_markers(info, JPEG_APP0 + 2, 0xFFFF);
}

std::vector<std::uint8_t> JpegIccProfile(jpeg_decompress_struct* info) {
    JOCTET* data = nullptr;
    unsigned int length = 0;
    // libjpeg checks the chunks' numbering and count and refuses a profile with any chunk
    // missing, repeated or out of range (a warning, which the error managers drop).
    if (!jpeg_read_icc_profile(info, &data, &length))
        return {};
    std::vector<std::uint8_t> icc(data, data + length);
    std::free(data);
    return icc;
}

namespace {

struct QuietErrors {
    jpeg_error_mgr library;
    std::jmp_buf escape;
};

void Escape(j_common_ptr info) {
    std::longjmp(reinterpret_cast<QuietErrors*>(info->err)->escape, 1);
}

void Silent(j_common_ptr) {}

// Lives in the caller's frame so nothing in the setjmp frame below changes after setjmp.
struct Session {
    jpeg_decompress_struct info;
    QuietErrors errors;
};

// Reads from data, or from file when data is null.
bool ReadIn(Session* session, const std::uint8_t* data, std::size_t size, std::FILE* file,
            JpegColourFacts* facts) {
    jpeg_decompress_struct* info = &session->info;
    info->err = jpeg_std_error(&session->errors.library);
    session->errors.library.error_exit = Escape;
    session->errors.library.output_message = Silent;
    if (setjmp(session->errors.escape)) {
        jpeg_destroy_decompress(info);
        return false;
    }
    jpeg_create_decompress(info);
    if (data != nullptr)
        jpeg_mem_src(info, data, static_cast<unsigned long>(size));
    else
        jpeg_stdio_src(info, file);
    KeepJpegIccChunks(info);
    jpeg_read_header(info, TRUE);
    facts->ink = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    facts->inverted = info->saw_Adobe_marker != 0;
    facts->grey = info->jpeg_color_space == JCS_GRAYSCALE;
    facts->icc = JpegIccProfile(info);
    jpeg_destroy_decompress(info);
    return true;
}

JpegColourFacts Read(const std::uint8_t* data, std::size_t size, std::FILE* file) {
    Session session{};
    JpegColourFacts read;
    if (!ReadIn(&session, data, size, file, &read))
        return {};
    read.readable = true;
    return read;
}

} // namespace

JpegColourFacts ReadJpegColourFacts(const std::uint8_t* data, std::size_t size) {
    return size == 0 ? JpegColourFacts{} : Read(data, size, nullptr);
}

JpegColourFacts ReadJpegColourFacts(std::FILE* file) {
    return file == nullptr ? JpegColourFacts{} : Read(nullptr, 0, file);
}

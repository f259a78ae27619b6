#include "windows/ownpages.h"

#include "core/errors.h"
#include "core/files.h"
#include "pictures/pictures.h"
#include "shell/shell.h"
#include "skin/skin.h"

#include <filesystem>
#include <optional>

namespace {

// Where the page would be, relative to the start folder as the entries' pictures are; nullopt
// when the folder does not bring it.
std::optional<std::string> PagePath(PageFile page) {
    const std::string path = std::string(PageFolder) + "/" + PageFileName(page);
    const std::optional<std::string> found = files::Resolve(path);
    std::error_code error;
    if (!found || std::filesystem::is_directory(*found, error))
        return std::nullopt;
    return path;
}

// The background made a bitmap, as the skin draws only bitmaps.
std::unique_ptr<TBitmap> BitmapOf(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<std::uint8_t> packed(std::size_t(rgb.width()) * rgb.height() * 3);
    for (int y = 0; y < rgb.height(); ++y)
        std::copy_n(rgb.constScanLine(y), rgb.width() * 3,
                    packed.begin() + std::ptrdiff_t(y) * rgb.width() * 3);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromBytes(EncodeBmp24(packed.data(), rgb.width(), rgb.height()));
    return bitmap;
}

} // namespace

bool LoadOwnPage(PageFile page, TPicture& picture) {
    const std::optional<std::string> path = PagePath(page);
    if (!path)
        return false;
    try {
        picture.LoadFromFile(*path, TextEncoding::System);
        return true;
    } catch (...) {
        ErrorReport(std::current_exception());
        return false;
    }
}

bool LoadOwnBackground(PageFile page, TCoolForm& skin) {
    const std::optional<std::string> path = PagePath(page);
    if (!path)
        return false;
    try {
        TPicture loaded;
        loaded.LoadFromFile(*path, TextEncoding::System);
        const QImage image = loaded.Graphic()->CompleteImage();
        const PageSize box = PageBox(page);
        if (image.width() != box.width || image.height() != box.height)
            throw EInvalidGraphic(std::vector<MessagePart>{
                {"Picture "},
                PathText(*path, TextEncoding::System),
                {" is " + std::to_string(image.width()) + " x " + std::to_string(image.height()) +
                 " pixels; this window's background must be " + std::to_string(box.width) + " x " +
                 std::to_string(box.height)}});
        skin.Picture().SetGraphic(BitmapOf(image));
        return true;
    } catch (...) {
        ErrorReport(std::current_exception());
        return false;
    }
}

#include "skin/ownpages.h"

#include "core/errors.h"
#include "core/files.h"
#include "pictures/pictures.h"
#include "shell/shell.h"
#include "skin/tcoolform.h"

#include <QPainter>

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

// The page read whole; throws as the picture's loading does, and when it is not of the size
// the page must have.
QImage ExactPage(PageFile page, const std::string& path) {
    TPicture loaded;
    loaded.LoadFromFile(path, TextEncoding::System);
    QImage image = loaded.Graphic()->CompleteImage();
    const std::string problem = PageSizeProblem(page, {image.width(), image.height()});
    if (!problem.empty())
        throw EInvalidGraphic(std::vector<MessagePart>{
            {"Picture "}, PathText(path, TextEncoding::System), {" " + problem}});
    return image;
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
        skin.Picture().SetGraphic(BitmapOf(ExactPage(page, *path)));
        return true;
    } catch (...) {
        ErrorReport(std::current_exception());
        return false;
    }
}

bool LoadOwnBackgroundPart(PageFile page, TCoolForm& skin) {
    const std::optional<std::string> path = PagePath(page);
    if (!path || !skin.Picture().Graphic())
        return false;
    try {
        const QImage part = ExactPage(page, *path);
        QImage background =
            skin.Picture().Graphic()->CompleteImage().convertToFormat(QImage::Format_RGB888);
        const PagePoint place = BackgroundPartPlace(page);
        QPainter(&background).drawImage(place.x, place.y, part);
        skin.Picture().SetGraphic(BitmapOf(background));
        return true;
    } catch (...) {
        ErrorReport(std::current_exception());
        return false;
    }
}

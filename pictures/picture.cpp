#include "pictures/picture.h"

#include "core/cp1250.h"
#include "core/errors.h"
#include "pictures/embeddedpicture.h"
#include "pictures/fileextension.h"
#include "pictures/fileformats.h"

namespace {

std::unique_ptr<TGraphic> CreateByClassName(const std::string& className) {
    for (const TFileFormat& format : FileFormats().Entries()) {
        if (className == format.className)
            return format.create();
    }
    throw EInvalidGraphic("Unknown picture class " + className);
}

} // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
    graphic_ = std::move(graphic);
    if (OnChange)
        OnChange();
}

int TPicture::Width() const {
    return graphic_ ? graphic_->Width() : 0;
}

int TPicture::Height() const {
    return graphic_ ? graphic_->Height() : 0;
}

void TPicture::LoadFromFile(const std::string& fileName, TextEncoding nameEncoding) {
    const std::string extension = FileExtension(fileName);
    const TFileFormat* format = FileFormats().Find(AsciiLower(extension));
    if (format == nullptr)
        throw EInvalidGraphic(
            {{"Unknown picture file extension (."}, {extension, nameEncoding, false}, {")"}});
    std::unique_ptr<TGraphic> graphic = format->create();
    graphic->LoadFromFile(fileName, nameEncoding);
    SetGraphic(std::move(graphic));
}

void TPicture::Assign(const TPicture& source) {
    SetGraphic(source.graphic_ ? source.graphic_->Clone() : nullptr);
}

void TPicture::ReadEmbedded(std::span<const std::uint8_t> data) {
    if (data.empty()) {
        SetGraphic(nullptr);
        return;
    }
    std::optional<EmbeddedPicture> embedded = ParseEmbeddedPicture(data);
    if (!embedded)
        throw EInvalidGraphic("Invalid embedded picture data");
    std::unique_ptr<TGraphic> graphic = CreateByClassName(embedded->className);
    graphic->LoadFromBytes(std::move(embedded->bytes));
    SetGraphic(std::move(graphic));
}

std::vector<std::uint8_t> TPicture::WriteEmbedded() const {
    if (!graphic_)
        return {};
    return FormatEmbeddedPicture(graphic_->ClassName(), graphic_->SaveToBytes());
}

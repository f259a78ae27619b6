#include "pictures/metafile.h"

#include "core/errors.h"
#include "pictures/metafileformat.h"
#include "pictures/picturebounds.h"

void TMetafile::LoadFromBytes(std::vector<std::uint8_t> bytes) {
    // No bytes, no picture: as for the other classes, an empty file is an empty picture.
    if (bytes.empty()) {
        *this = TMetafile();
        return;
    }
    const std::optional<MetafileSize> size = ReadMetafileSize(bytes);
    if (!size)
        throw EInvalidGraphic("Metafile is not valid");
    // Nothing is allocated for it, but the widget showing it takes the size.
    CheckPictureSize(size->width, size->height);
    bytes_ = std::move(bytes);
    width_ = size->width;
    height_ = size->height;
    enhanced_ = size->enhanced;
}

std::unique_ptr<TGraphic> TMetafile::Clone() const {
    return std::unique_ptr<TGraphic>(new TMetafile(*this));
}

#include "pictures/fileformats.h"

#include "pictures/bitmap.h"
#include "pictures/icon.h"
#include "pictures/jpegimage.h"
#include "pictures/metafile.h"
#include "pictures/olegraphic.h"

namespace {

template <typename Graphic> std::unique_ptr<TGraphic> Create() {
    return std::make_unique<Graphic>();
}

TFileFormatsList BuildProgramFormats() {
    TFileFormatsList list;
    list.Add("wmf", "Metafiles", "TMetafile", Create<TMetafile>);
    list.Add("emf", "Enhanced Metafiles", "TMetafile", Create<TMetafile>);
    list.Add("ico", "Icons", "TIcon", Create<TIcon>);
    list.Add("bmp", "Bitmaps", "TBitmap", Create<TBitmap>);
    list.Add("jpeg", "JPEG Image File", "TJPEGImage", Create<TJPEGImage>);
    list.Add("jpg", "JPEG Image File", "TJPEGImage", Create<TJPEGImage>);
    list.Add("", "", "TOleGraphic", Create<TOleGraphic>);
    return list;
}

} // namespace

void TFileFormatsList::Add(std::string extension, std::string description, const char* className,
                           GraphicFactory create) {
    entries_.push_back({std::move(extension), std::move(description), className, create});
}

const TFileFormat* TFileFormatsList::Find(std::string_view lowerExtension) const {
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
        if (entry->extension == lowerExtension)
            return &*entry;
    }
    return nullptr;
}

const TFileFormatsList& FileFormats() {
    static const TFileFormatsList formats = BuildProgramFormats();
    return formats;
}

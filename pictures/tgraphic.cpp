#include "pictures/tgraphic.h"

#include "core/errors.h"
#include "core/files.h"

TGraphic::~TGraphic() = default;

void TGraphic::LoadFromFile(const std::string& fileName, TextEncoding nameEncoding) {
    LoadFromBytes(ReadPictureFile(fileName, nameEncoding));
}

std::vector<std::uint8_t> TGraphic::ReadPictureFile(const std::string& fileName,
                                                    TextEncoding nameEncoding) {
    files::ReadResult result = files::ReadWholeFile(fileName);
    if (result.error != 0)
        throw EFOpenError({{"Cannot open file "}, PathText(fileName, nameEncoding)});
    return std::move(result.bytes);
}

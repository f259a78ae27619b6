#include "pictures/tgraphic.h"

#include "core/errors.h"
#include "core/files.h"

TGraphic::~TGraphic() = default;

void TGraphic::PrepareDrawing(QSize) {}

void TGraphic::LoadFromFile(const std::string& fileName) {
    LoadFromBytes(ReadPictureFile(fileName));
}

std::vector<std::uint8_t> TGraphic::ReadPictureFile(const std::string& fileName) {
    files::ReadResult result = files::ReadWholeFile(fileName);
    if (result.error != 0)
        throw EFOpenError("Cannot open file " + fileName);
    return std::move(result.bytes);
}

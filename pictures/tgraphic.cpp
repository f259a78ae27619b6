#include "pictures/tgraphic.h"

#include "core/errors.h"
#include "core/files.h"
#include "pictures/picturebounds.h"

TGraphic::~TGraphic() = default;

void TGraphic::LoadFromFile(const std::string& fileName) {
    std::vector<std::uint8_t> bytes = ReadPictureFile(fileName);
    try {
        LoadFromBytes(std::move(bytes));
    } catch (const EPictureTooLarge& refused) {
        throw EPictureTooLarge(refused, fileName);
    }
}

std::vector<std::uint8_t> TGraphic::ReadPictureFile(const std::string& fileName) {
    files::ReadResult result = files::ReadWholeFile(fileName, MaxPictureFileBytes);
    if (result.error == files::FileTooLarge)
        throw EPictureFileTooLarge(fileName, result.size);
    if (result.error != 0)
        throw EFOpenError("Cannot open file " + fileName);
    return std::move(result.bytes);
}

#include "pictures/tgraphic.h"

#include "core/errors.h"
#include "core/files.h"
#include "pictures/decodepool.h"
#include "pictures/picturebounds.h"

TGraphic::~TGraphic() = default;

void TGraphic::PrepareDrawing(QSize, QRect) {}

bool TGraphic::DrawWithin(QPainter& painter, const QRect& target, std::chrono::milliseconds) {
    Draw(painter, target);
    return true;
}

void TGraphic::LoadFromFile(const std::string& fileName, TextEncoding nameEncoding) {
    std::vector<std::uint8_t> bytes = ReadPictureFile(fileName, nameEncoding);
    try {
        LoadFromBytes(std::move(bytes));
    } catch (const EPictureTooLarge& refused) {
        throw EPictureTooLarge(refused, PathText(fileName, nameEncoding));
    } catch (const EPictureTooComplex& refused) {
        throw EPictureTooComplex(refused, PathText(fileName, nameEncoding));
    }
}

std::vector<std::uint8_t> TGraphic::ReadPictureFile(const std::string& fileName,
                                                    TextEncoding nameEncoding) {
    files::ReadResult result = files::ReadWholeFile(fileName, MaxPictureFileBytes);
    if (result.error == files::FileTooLarge)
        throw EPictureFileTooLarge(PathText(fileName, nameEncoding), result.size);
    if (result.error != 0)
        throw EFOpenError({{"Cannot open file "}, PathText(fileName, nameEncoding)});
    return std::move(result.bytes);
}

void SetDecodeFinishedHook(void (*hook)()) {
    DecodePool::Instance().SetJobDone(hook);
}

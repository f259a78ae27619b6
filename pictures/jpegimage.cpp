#include "pictures/jpegimage.h"

#include "core/errors.h"
#include "pictures/jpegerrors.h"
#include "pictures/jpegreader.h"
#include "pictures/picturebounds.h"

#include <cstring>

#include <QPainter>

TJPEGImage::TJPEGImage() : data_(SharedPictureData("TJPEGImage", {})) {}

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromBytes(std::vector<std::uint8_t> bytes) {
    JpegHeader header;
    if (!bytes.empty()) {
        if (const int code = ReadJpegHeader(bytes.data(), bytes.size(), header))
            RaiseJpegError(code);
        CheckPictureSize(header.width, header.height);
    }
    data_ = SharedPictureData(ClassName(), std::move(bytes));
    width_ = header.width;
    height_ = header.height;
    grayscale_ = header.grayscale;
    progressive_ = header.progressive;
    decoded_ = false;
}

std::vector<std::uint8_t> TJPEGImage::SaveToBytes() const {
    return data_->bytes;
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
    return std::unique_ptr<TGraphic>(new TJPEGImage(*this));
}

void TJPEGImage::DecodeOnce() {
    if (decoded_)
        return;
    decoded_ = true;
    PictureData& data = *data_;
    if (!data.decoded) {
        QImage image;
        if (width_ > 0 && height_ > 0) {
            image = QImage(width_, height_,
                           grayscale_ ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
            if (image.isNull()) {
                decoded_ = false; // memory may be there next time
                throw EOutOfMemory();
            }
        }
        int rowsDone = 0;
        // An empty picture still goes through libjpeg, which reports the missing data.
        const int code =
            DecodeJpegRows(data.bytes.data(), data.bytes.size(), grayscale_, width_, height_,
                           image.isNull() ? nullptr : image.bits(), image.bytesPerLine(), rowsDone);
        if (code != 0 && !image.isNull()) {
            // Keep what was decoded; the rest is blank, as a freshly made bitmap would be.
            for (int y = rowsDone; y < height_; ++y)
                std::memset(image.scanLine(y), 0, static_cast<std::size_t>(image.bytesPerLine()));
        }
        data.bitmap = image;
        data.decodeError = code;
        data.decoded = true;
    }
    if (data.decodeError != 0)
        RaiseJpegError(data.decodeError);
}

QImage TJPEGImage::ToImage() {
    DecodeOnce();
    return data_->bitmap;
}

QImage TJPEGImage::CompleteImage() {
    DecodeOnce();
    if (data_->decodeError != 0)
        RaiseJpegError(data_->decodeError);
    return data_->bitmap;
}

void TJPEGImage::Draw(QPainter& painter, const QRect& target) {
    std::exception_ptr failure;
    try {
        DecodeOnce();
    } catch (...) {
        failure = std::current_exception();
    }
    const QImage& bitmap = data_->bitmap;
    if (!bitmap.isNull() && !target.isEmpty())
        painter.drawImage(target, bitmap);
    if (failure)
        std::rethrow_exception(failure);
}

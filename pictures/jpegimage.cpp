#include "pictures/jpegimage.h"

#include "pictures/jpegerrors.h"
#include "pictures/jpegreader.h"

#include <cstring>

#include <QPainter>

#include <jerror.h>

TJPEGImage::TJPEGImage() : data_(std::make_shared<const std::vector<std::uint8_t>>()) {}

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromBytes(std::vector<std::uint8_t> bytes) {
    JpegHeader header;
    if (!bytes.empty()) {
        if (const int code = ReadJpegHeader(bytes.data(), bytes.size(), header))
            RaiseJpegError(code);
    }
    data_ = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
    width_ = header.width;
    height_ = header.height;
    grayscale_ = header.grayscale;
    progressive_ = header.progressive;
    decoded_ = false;
    bitmap_ = QImage();
}

std::vector<std::uint8_t> TJPEGImage::SaveToBytes() const {
    return *data_;
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
    // The decoded bitmap is shared too (implicitly, copy on write): still held once.
    return std::unique_ptr<TGraphic>(new TJPEGImage(*this));
}

void TJPEGImage::DecodeOnce() {
    if (decoded_)
        return;
    decoded_ = true;
    QImage image;
    if (width_ > 0 && height_ > 0) {
        image =
            QImage(width_, height_, grayscale_ ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
        if (image.isNull())
            RaiseJpegError(JERR_OUT_OF_MEMORY);
    }
    int rowsDone = 0;
    // An empty picture still goes through libjpeg, which reports the missing data.
    const int code =
        DecodeJpegRows(data_->data(), data_->size(), grayscale_, width_, height_,
                       image.isNull() ? nullptr : image.bits(), image.bytesPerLine(), rowsDone);
    if (code != 0 && !image.isNull()) {
        // Keep what was decoded; the rest is blank, as a freshly made bitmap would be.
        for (int y = rowsDone; y < height_; ++y)
            std::memset(image.scanLine(y), 0, static_cast<std::size_t>(image.bytesPerLine()));
    }
    bitmap_ = image;
    if (code != 0)
        RaiseJpegError(code);
}

QImage TJPEGImage::ToImage() {
    DecodeOnce();
    return bitmap_;
}

void TJPEGImage::Draw(QPainter& painter, const QRect& target) {
    std::exception_ptr failure;
    try {
        DecodeOnce();
    } catch (...) {
        failure = std::current_exception();
    }
    if (!bitmap_.isNull() && !target.isEmpty())
        painter.drawImage(target, bitmap_);
    if (failure)
        std::rethrow_exception(failure);
}

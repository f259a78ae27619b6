#include "pictures/jpegimage.h"

#include "core/errors.h"
#include "pictures/jpegdecode.h"
#include "pictures/jpegerrors.h"
#include "pictures/jpegreader.h"
#include "pictures/jpegscale.h"
#include "pictures/picturebounds.h"

#include <QPainter>

TJPEGImage::TJPEGImage() : data_(SharedJpegBitmaps({})) {}

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromBytes(std::vector<std::uint8_t> bytes) {
    JpegHeader header;
    if (!bytes.empty()) {
        if (const int code = ReadJpegHeader(bytes.data(), bytes.size(), header))
            RaiseJpegError(code);
        CheckPictureSize(header.width, header.height);
    }
    data_ = SharedJpegBitmaps(std::move(bytes));
    width_ = header.width;
    height_ = header.height;
    grayscale_ = header.grayscale;
    progressive_ = header.progressive;
    scale_ = 1;
    decode_.reset();
    decoded_ = false;
}

std::vector<std::uint8_t> TJPEGImage::SaveToBytes() const {
    return data_->Bytes();
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
    // The decoded bitmap is shared too (implicitly, copy on write): still held once.
    std::unique_ptr<TJPEGImage> copy(new TJPEGImage(*this));
    if (scale_ != 1) {
        copy->scale_ = 1;
        copy->decode_.reset();
        copy->decoded_ = false;
        copy->bitmap_ = QImage();
    }
    return copy;
}

void TJPEGImage::PrepareDrawing(QSize target) {
    if (decoded_ || decode_ || width_ <= 0 || height_ <= 0 || target.isEmpty())
        return;
    scale_ = SmallestCoveringScale(width_, height_, target.width(), target.height());
    decode_ = data_->Decode({grayscale_, width_, height_, scale_}, true);
}

void TJPEGImage::DecodeOnce() {
    if (decoded_)
        return;
    decoded_ = true;
    if (!decode_)
        decode_ = data_->Decode({grayscale_, width_, height_, scale_}, false);
    // Waits for a decode still running on the pool; the bitmap is taken here, on this thread.
    const DecodedJpeg& result = decode_->result.get();
    bitmap_ = result.bitmap;
    if (result.error != 0)
        RaiseJpegError(result.error);
}

QImage TJPEGImage::ToImage() {
    DecodeOnce();
    return bitmap_;
}

QImage TJPEGImage::CompleteImage() {
    DecodeOnce();
    if (const int code = decode_->result.get().error; code != 0)
        RaiseJpegError(code);
    return bitmap_;
}

QImage TJPEGImage::SrgbImage() {
    if (ScreenIsSrgb() || width_ <= 0 || height_ <= 0)
        return CompleteImage();
    const std::shared_ptr<const JpegDecode> decode =
        data_->Decode({grayscale_, width_, height_, 1, OutputSpace::Srgb}, true);
    const DecodedJpeg& result = decode->result.get();
    if (result.error != 0)
        RaiseJpegError(result.error);
    return result.bitmap;
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

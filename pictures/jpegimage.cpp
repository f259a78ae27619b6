#include "pictures/jpegimage.h"

#include "core/errors.h"
#include "core/files.h"
#include "pictures/jpegdecode.h"
#include "pictures/jpegerrors.h"
#include "pictures/jpegreader.h"
#include "pictures/jpegscale.h"
#include "pictures/jpegwork.h"
#include "pictures/picturebounds.h"

#include <jerror.h>

#include <QPainter>

TJPEGImage::TJPEGImage() : data_(SharedJpegBitmaps({})) {}

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromFile(const std::string& fileName, TextEncoding nameEncoding) {
    // A file a live picture loaded, unchanged since, is not read again: the strip's first slot
    // shows the main area's picture. Its checks at load were passed then.
    const std::optional<files::FileStamp> stamp = files::StampOf(fileName);
    JpegHeader header;
    if (std::shared_ptr<JpegBitmaps> loaded = stamp ? JpegBitmapsOfFile(*stamp) : nullptr;
        loaded && ReadJpegHeader(loaded->Bytes().data(), loaded->Bytes().size(), header) == 0) {
        Adopt(std::move(loaded), header);
    } else {
        TGraphic::LoadFromFile(fileName, nameEncoding);
        if (stamp)
            RememberJpegFile(*stamp, data_);
    }
    fileName_ = fileName;
    fileNameEncoding_ = nameEncoding;
}

void TJPEGImage::LoadFromBytes(std::vector<std::uint8_t> bytes) {
    JpegHeader header;
    if (!bytes.empty()) {
        if (const int code = ReadJpegHeader(bytes.data(), bytes.size(), header))
            RaiseJpegError(code);
        CheckPictureSize(header.width, header.height);
        if (const int scans = CountJpegScans(bytes); scans > MaxJpegScans)
            throw EPictureTooComplex(std::to_string(scans) + " scans (at most " +
                                     std::to_string(MaxJpegScans) + ")");
        CheckJpegCoefficients(header.width, header.height, header.coefficientBytes);
    }
    Adopt(SharedJpegBitmaps(std::move(bytes)), header);
}

void TJPEGImage::Adopt(std::shared_ptr<JpegBitmaps> data, const JpegHeader& header) {
    data_ = std::move(data);
    width_ = header.width;
    height_ = header.height;
    grayscale_ = header.grayscale;
    progressive_ = header.progressive;
    scale_ = 1;
    decode_.reset();
    decoded_ = false;
    bitmap_ = QImage();
    offset_ = {};
    part_ = {};
    fileName_.clear();
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
    if (!part_.isEmpty()) {
        copy->part_ = {};
        copy->decode_.reset();
        copy->decoded_ = false;
        copy->bitmap_ = QImage();
        copy->offset_ = {};
    }
    return copy;
}

void TJPEGImage::PrepareDrawing(QSize target, QRect visible) {
    if (decoded_ || decode_ || width_ <= 0 || height_ <= 0 || target.isEmpty())
        return;
    const JpegDecodeRequest request = PlanJpegDecode(grayscale_, width_, height_, target, visible);
    scale_ = request.denominator;
    part_ = request.part;
    decode_ = data_->Decode(request, true);
}

void TJPEGImage::RaiseDecodeError(int code) const {
    if (code == BitmapAllocationFailed || code == JERR_OUT_OF_MEMORY)
        throw EOutOfMemory();
    if (code == JpegTooManyScans || code == JpegTooMuchWork) {
        const EPictureTooComplex refused(
            code == JpegTooManyScans ? "more than " + std::to_string(MaxJpegScans) + " scans"
                                     : "its scans pass over the picture's coefficients more than " +
                                           std::to_string(MaxJpegCoefficientPasses) + " times");
        if (fileName_.empty())
            throw refused;
        throw EPictureTooComplex(refused, PathText(fileName_, fileNameEncoding_));
    }
    RaiseJpegError(code);
}

void TJPEGImage::DecodeOnce() {
    if (decoded_)
        return;
    decoded_ = true;
    if (!decode_)
        decode_ = data_->Decode({grayscale_, width_, height_, scale_, part_}, false);
    // Waits for a decode still running on the pool; the bitmap is taken here, on this thread.
    const DecodedJpeg& result = decode_->result.get();
    bitmap_ = result.bitmap;
    // A decode shared with a picture that wanted more may hold more than this one's part.
    offset_ = result.offset;
    if (result.error != 0)
        RaiseDecodeError(result.error);
}

QImage TJPEGImage::ToImage() {
    DecodeOnce();
    return bitmap_;
}

QImage TJPEGImage::CompleteImage() {
    DecodeOnce();
    if (const int code = decode_->result.get().error; code != 0)
        RaiseDecodeError(code);
    return bitmap_;
}

QImage TJPEGImage::SrgbImage() {
    if (ScreenIsSrgb() || width_ <= 0 || height_ <= 0)
        return CompleteImage();
    // The pixels ToImage gives, or would give: the scale and part prepared for, so that paper
    // (the printed box's share of a 150-megapixel photograph) never needs the whole picture.
    const QRect wanted = decoded_ ? QRect(offset_, bitmap_.size()) : part_;
    const std::shared_ptr<const JpegDecode> decode =
        data_->Decode({grayscale_, width_, height_, scale_, wanted, OutputSpace::Srgb}, true);
    const DecodedJpeg& result = decode->result.get();
    if (result.error != 0)
        RaiseDecodeError(result.error);
    if (!decoded_)
        offset_ = wanted.topLeft(); // where ImageOffset() says these pixels lie
    // A decode shared with a picture that wanted more holds more.
    if (wanted.isEmpty() ||
        (result.offset == wanted.topLeft() && result.bitmap.size() == wanted.size()))
        return result.bitmap;
    return result.bitmap.copy(wanted.translated(-result.offset));
}

bool TJPEGImage::DrawReady() const {
    return decoded_ || !decode_ ||
           decode_->result.wait_for(std::chrono::seconds(0)) != std::future_status::timeout;
}

bool TJPEGImage::DrawWithin(QPainter& painter, const QRect& target,
                            std::chrono::milliseconds wait) {
    // A decode asked for earlier runs on the pool; one never asked for is made here, as Draw
    // would (a deferred decode reports itself as not ready, but has nobody else to run it).
    if (!decoded_ && decode_ &&
        decode_->result.wait_for(std::chrono::seconds(0)) == std::future_status::deferred) {
        Draw(painter, target);
        return true;
    }
    if (!decoded_ && decode_ && decode_->result.wait_for(wait) != std::future_status::ready)
        return false;
    Draw(painter, target);
    return true;
}

void TJPEGImage::Draw(QPainter& painter, const QRect& target) {
    std::exception_ptr failure;
    try {
        DecodeOnce();
    } catch (...) {
        failure = std::current_exception();
    }
    if (!bitmap_.isNull() && !target.isEmpty()) {
        // The bitmap covers the whole picture at its scale, or a part of it from offset_.
        const double across = static_cast<double>(target.width()) / JpegScaledSide(width_, scale_);
        const double down = static_cast<double>(target.height()) / JpegScaledSide(height_, scale_);
        if (offset_.isNull() && bitmap_.width() == JpegScaledSide(width_, scale_) &&
            bitmap_.height() == JpegScaledSide(height_, scale_))
            painter.drawImage(target, bitmap_);
        else
            painter.drawImage(QRectF(target.left() + offset_.x() * across,
                                     target.top() + offset_.y() * down, bitmap_.width() * across,
                                     bitmap_.height() * down),
                              bitmap_);
    }
    if (failure)
        std::rethrow_exception(failure);
}

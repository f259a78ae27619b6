#pragma once
// A JPEG picture: the file's bytes and header at load, the decode at the first drawing, kept for
// every later drawing and never repeated, not even after an error. A picture that will be drawn
// smaller than its own size (a thumbnail) is decoded scaled down, and only that bitmap is kept.

#include "pictures/jpegbitmaps.h"
#include "pictures/tgraphic.h"

class TJPEGImage : public TGraphic {
public:
    TJPEGImage();
    ~TJPEGImage() override;

    const char* ClassName() const override { return "TJPEGImage"; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }

    // Parses the headers (EJPEG on failure); an empty file loads as 0 x 0.
    void LoadFromBytes(std::vector<std::uint8_t> bytes) override;
    std::vector<std::uint8_t> SaveToBytes() const override;

    // Starts the decode on the decode pool at the smallest scale covering target. Only the
    // first call before the first drawing counts; without one the decode is at full size.
    void PrepareDrawing(QSize target) override;
    void Draw(QPainter& painter, const QRect& target) override;
    // A copy of a scaled picture is decoded afresh at full size.
    std::unique_ptr<TGraphic> Clone() const override;
    // 24-bit RGB, or 8-bit grayscale for grayscale files, at the scale prepared for. The first
    // call decodes and raises EJPEG if the data is faulty; the part decoded before the error is
    // kept. A bitmap that cannot be allocated raises EOutOfMemory.
    QImage ToImage() override;
    // Raises the decoding error at every call.
    QImage CompleteImage() override;
    // At full size; decoded on the decode pool while the caller waits.
    QImage SrgbImage() override;

    bool Grayscale() const { return grayscale_; }
    bool ProgressiveEncoding() const { return progressive_; }
    bool Decoded() const { return decoded_; }
    // 1, 2, 4 or 8: the bitmap is the picture's size divided by it, rounded up.
    int ScaleDenominator() const { return scale_; }

private:
    TJPEGImage(const TJPEGImage&) = default;
    void DecodeOnce();

    // Shared with copies and with every picture loaded from the same bytes.
    std::shared_ptr<JpegBitmaps> data_;
    int width_ = 0;
    int height_ = 0;
    bool grayscale_ = false;
    bool progressive_ = false;
    int scale_ = 1;
    std::shared_ptr<const JpegDecode> decode_; // asked for, running or done; null before
    bool decoded_ = false;                     // this picture has had its first drawing
    QImage bitmap_;
};

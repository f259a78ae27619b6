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

    // Remembers the name, for a refusal found while decoding.
    void LoadFromFile(const std::string& fileName,
                      TextEncoding nameEncoding = TextEncoding::Cp1250) override;
    // Parses the headers (EJPEG on failure); an empty file loads as 0 x 0. A file of more scans
    // than any encoder writes raises EPictureTooComplex, one whose scans need more memory than
    // the bound EPictureTooLarge.
    void LoadFromBytes(std::vector<std::uint8_t> bytes) override;
    std::vector<std::uint8_t> SaveToBytes() const override;

    // Starts the decode on the decode pool at the smallest scale covering target; at its own
    // size only the visible part is decoded. Only the first call before the first drawing
    // counts; without one the decode is at full size.
    void PrepareDrawing(QSize target, QRect visible = {}) override;
    void Draw(QPainter& painter, const QRect& target) override;
    bool DrawWithin(QPainter& painter, const QRect& target,
                    std::chrono::milliseconds wait) override;
    bool DrawReady() const override;
    bool DecodeUnshown() const override { return decode_ && !decoded_; }
    // A copy of a scaled picture is decoded afresh at full size.
    std::unique_ptr<TGraphic> Clone() const override;
    // 24-bit RGB, or 8-bit grayscale for grayscale files, at the scale prepared for (the part
    // prepared for, at DecodedOffset()). The first call decodes and raises EJPEG if the data is
    // faulty; the part decoded before the error is kept. A bitmap that cannot be allocated
    // raises EOutOfMemory, a decode past the work bound EPictureTooComplex.
    QImage ToImage() override;
    // Raises the decoding error at every call.
    QImage CompleteImage() override;
    // At the scale and part prepared for, as ToImage; decoded on the decode pool while the
    // caller waits.
    QImage SrgbImage() override;

    bool Grayscale() const { return grayscale_; }
    bool ProgressiveEncoding() const { return progressive_; }
    bool Decoded() const { return decoded_; }
    // 1, 2, 4 or 8: the bitmap is the picture's size divided by it, rounded up.
    int ScaleDenominator() const { return scale_; }
    QPoint DecodedOffset() const { return offset_; }
    QPoint ImageOffset() const override { return offset_; }

private:
    TJPEGImage(const TJPEGImage&) = default;
    // Holds these bytes as a fresh load, not decoded.
    void Adopt(std::shared_ptr<JpegBitmaps> data, const JpegHeader& header);
    void DecodeOnce();
    [[noreturn]] void RaiseDecodeError(int code) const;

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
    QPoint offset_; // of bitmap_ in the picture at its scale
    QRect part_;    // to decode, at its scale; empty for the whole
    std::string fileName_;
    TextEncoding fileNameEncoding_ = TextEncoding::Cp1250;
};

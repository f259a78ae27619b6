#pragma once
// A JPEG picture: the file's bytes and header at load, the full-size decode at the first
// drawing, kept for every later drawing and never repeated, not even after an error.

#include "pictures/sharedpictures.h"
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

    void Draw(QPainter& painter, const QRect& target) override;
    std::unique_ptr<TGraphic> Clone() const override;
    // 24-bit RGB, or 8-bit grayscale for grayscale files. The first call decodes and raises
    // EJPEG if the data is faulty; the part decoded before the error is kept. A bitmap that
    // cannot be allocated raises EOutOfMemory.
    QImage ToImage() override;
    // Raises the decoding error at every call.
    QImage CompleteImage() override;

    bool Grayscale() const { return grayscale_; }
    bool ProgressiveEncoding() const { return progressive_; }
    bool Decoded() const { return decoded_; }

private:
    TJPEGImage(const TJPEGImage&) = default;
    void DecodeOnce();

    // Shared with copies and with every picture loaded from the same bytes (sharedpictures.h):
    // the bytes and the decoded bitmap are held once.
    std::shared_ptr<PictureData> data_;
    int width_ = 0;
    int height_ = 0;
    bool grayscale_ = false;
    bool progressive_ = false;
    bool decoded_ = false; // this picture has had its first drawing
};

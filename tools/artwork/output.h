#pragma once
// Turning painted images into the files the program reads.

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> BmpBytes(const QImage& image);
// Baseline JFIF, three components, 72 dpi.
std::vector<std::uint8_t> JpegBytes(const QImage& image, int quality);

void WriteBytes(const QString& path, const std::vector<std::uint8_t>& bytes);
// "<dir>/<name>.pic" holding a TBitmap or a TJPEGImage.
void WriteBitmapPicture(const QString& dir, const QString& name, const QImage& image);
void WriteJpegPicture(const QString& dir, const QString& name, const QImage& image,
                      int quality = 92);

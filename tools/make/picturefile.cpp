#include "tools/make/picturefile.h"

#include "colour/colour.h"
#include "core/files.h"
#include "pictures/jpegencoder.h"
#include "pictures/picturebounds.h"
#include "tools/make/writefile.h"

#include <QColorSpace>
#include <QImageReader>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int Quality = 90;

bool IsJpeg(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

QSize Transposed(QSize size, int orientation) {
    return orientation >= 5 ? size.transposed() : size;
}

QImage Upright(const QImage& image, int orientation) {
    const QTransform quarter = QTransform().rotate(90);
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.mirrored(true, true);
    case 4:
        return image.mirrored(false, true);
    case 5:
        return image.transformed(quarter).mirrored(true, false);
    case 6:
        return image.transformed(quarter);
    case 7:
        return image.transformed(quarter).mirrored(false, true);
    case 8:
        return image.transformed(QTransform().rotate(270));
    default:
        return image;
    }
}

// Transparent parts show the paper white of a print, not black.
QImage Opaque(const QImage& image) {
    if (!image.hasAlphaChannel())
        return image;
    QImage canvas(image.size(), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.drawImage(0, 0, image);
    painter.end();
    return canvas;
}

std::string WriteJpeg(const QImage& picture, bool gray, const std::string& target) {
    const QImage plain =
        picture.convertToFormat(gray ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    const int rowBytes = plain.width() * (gray ? 1 : 3);
    std::vector<std::uint8_t> pixels(std::size_t(rowBytes) * plain.height());
    for (int y = 0; y < plain.height(); ++y)
        std::copy_n(plain.constScanLine(y), rowBytes,
                    pixels.begin() + std::ptrdiff_t(y) * rowBytes);
    const std::vector<std::uint8_t> jpeg =
        EncodeJpeg(pixels.data(), plain.width(), plain.height(), gray, Quality);
    return WriteWholeFile(target, {reinterpret_cast<const char*>(jpeg.data()), jpeg.size()});
}

// The catalogue's JPEGs carry no profile: a picture read with a profile of its own (a PNG's
// iCCP, a TIFF's) is turned into sRGB by the converters the viewer uses.
QImage InSrgb(const QImage& image, const QByteArray& icc) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(icc.constData());
    const PictureColour colour =
        ColourFor(std::span(bytes, std::size_t(icc.size())), PixelLayout::Rgb, OutputSpace::Srgb);
    if (!colour.converter)
        return image;
    QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < rgb.height(); ++y) {
        std::uint8_t* row = rgb.scanLine(y);
        colour.converter->Convert(row, row, rgb.width());
    }
    return rgb;
}

QImage ScaledTo(const QImage& image, QSize size) {
    return image.size() == size
               ? image
               : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QSize FittedSize(QSize upright) {
    if (upright.width() <= FrameWidth && upright.height() <= FrameHeight)
        return upright;
    const double scale =
        std::min(double(FrameWidth) / upright.width(), double(FrameHeight) / upright.height());
    auto side = [scale](int length, int limit) {
        return std::clamp(int(std::lround(length * scale)), 1, limit);
    };
    return {side(upright.width(), FrameWidth), side(upright.height(), FrameHeight)};
}

std::string ProbePicture(const std::string& path, PictureFacts& facts) {
    const files::ReadResult file = files::ReadWholeFile(path, MaxPictureFileBytes);
    if (file.error != 0)
        return std::strerror(file.error);
    facts = PictureFacts{};
    if (IsJpeg(file.bytes)) {
        facts.jpeg = true;
        if (std::string why = ProbeJpeg(file.bytes, facts.jpegFacts); !why.empty())
            return why;
        facts.upright = Transposed({facts.jpegFacts.width, facts.jpegFacts.height},
                                   facts.jpegFacts.orientation);
        return {};
    }
    QImageReader reader(QString::fromStdString(path));
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!reader.canRead() || !stored.isValid())
        return "not a picture vendral-make can read (JPEG, PNG, TIFF, BMP, GIF, WebP): " +
               reader.errorString().toStdString();
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    facts.upright = turned ? stored.transposed() : stored;
    return {};
}

std::string WhyNotAsIs(const PictureFacts& facts) {
    const JpegFacts& jpeg = facts.jpegFacts;
    if (!facts.jpeg)
        return "it is not a JPEG";
    if (!jpeg.baseline)
        return "it is not a baseline JPEG";
    if (jpeg.cmyk)
        return "it is in CMYK colours";
    if (jpeg.orientation != 1)
        return "the camera recorded it turned";
    return {};
}

bool CopiesAsItIs(const PictureFacts& facts) {
    return WhyNotAsIs(facts).empty() && FittedSize(facts.upright) == facts.upright;
}

std::string WriteCataloguePicture(const std::string& source, const PictureFacts& facts,
                                  const std::string& target, bool asIs) {
    const QSize fitted = FittedSize(facts.upright);
    if (!facts.jpeg) {
        QImageReader reader(QString::fromStdString(source));
        reader.setAutoTransform(true);
        const QImage image = reader.read();
        if (image.isNull())
            return reader.errorString().toStdString();
        const QImage opaque = InSrgb(Opaque(image), image.colorSpace().iccProfile());
        return WriteJpeg(ScaledTo(opaque, fitted), image.isGrayscale(), target);
    }
    if (CopiesAsItIs(facts) || (asIs && WhyNotAsIs(facts).empty())) {
        const auto failure = files::CopyFileReplacing(source, target);
        return failure ? *failure : std::string();
    }
    const files::ReadResult file = files::ReadWholeFile(source, MaxPictureFileBytes);
    if (file.error != 0)
        return std::strerror(file.error);
    // Scale in the stored frame, then turn: turning the small picture is cheaper.
    const int orientation = facts.jpegFacts.orientation;
    const QSize stored = Transposed(fitted, orientation);
    QImage decoded;
    const int eighths = ScaleEighths(facts.jpegFacts, stored.width(), stored.height());
    if (std::string why = DecodeJpegScaled(file.bytes, facts.jpegFacts, eighths, decoded);
        !why.empty())
        return why;
    return WriteJpeg(Upright(ScaledTo(decoded, stored), orientation), facts.jpegFacts.grayscale,
                     target);
}

std::string ReadUprightPicture(const std::string& source, const PictureFacts& facts, QSize cover,
                               QImage& picture) {
    if (!facts.jpeg) {
        QImageReader reader(QString::fromStdString(source));
        reader.setAutoTransform(true);
        picture = Opaque(reader.read());
        return picture.isNull() ? reader.errorString().toStdString() : std::string();
    }
    const files::ReadResult file = files::ReadWholeFile(source, MaxPictureFileBytes);
    if (file.error != 0)
        return std::strerror(file.error);
    const int orientation = facts.jpegFacts.orientation;
    const QSize stored = Transposed(cover, orientation);
    const int eighths = ScaleEighths(facts.jpegFacts, stored.width(), stored.height());
    QImage decoded;
    if (std::string why = DecodeJpegScaled(file.bytes, facts.jpegFacts, eighths, decoded);
        !why.empty())
        return why;
    picture = Upright(decoded, orientation);
    return {};
}

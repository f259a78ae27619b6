#include "tests/colour/taggedpictures.h"

#include "pictures/jpegencoder.h"
#include "tests/pictures/testpictures.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <lcms2.h>

namespace {

std::vector<std::uint8_t> Transformed(const std::vector<std::uint8_t>& rgb, cmsHPROFILE out,
                                      cmsUInt32Number outFormat, std::size_t outChannels) {
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHTRANSFORM transform = cmsCreateTransform(
        srgb, TYPE_RGB_8, out, outFormat, INTENT_PERCEPTUAL, cmsFLAGS_BLACKPOINTCOMPENSATION);
    cmsCloseProfile(srgb);
    if (transform == nullptr)
        throw std::runtime_error("Little CMS refuses the test transform");
    std::vector<std::uint8_t> converted(rgb.size() / 3 * outChannels);
    cmsDoTransform(transform, rgb.data(), converted.data(),
                   static_cast<cmsUInt32Number>(rgb.size() / 3));
    cmsDeleteTransform(transform);
    return converted;
}

} // namespace

std::vector<std::uint8_t> ReadProfile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    if (bytes.empty())
        throw std::runtime_error("missing profile " + path + " (colord-data, ghostscript)");
    return bytes;
}

std::vector<std::uint8_t> PhotoPixels(int width, int height) {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(std::size_t(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width, v = double(y) / height;
            rgb.push_back(static_cast<std::uint8_t>(40 + 170 * u));
            rgb.push_back(static_cast<std::uint8_t>(50 + 150 * v));
            rgb.push_back(static_cast<std::uint8_t>(90 + 80 * std::sin(6 * (u + v))));
        }
    return rgb;
}

std::vector<std::uint8_t> SrgbJpeg(const std::vector<std::uint8_t>& rgb, int width, int height) {
    return EncodeJpeg(rgb.data(), width, height, false, 95);
}

std::vector<std::uint8_t> ConvertedPixels(const std::vector<std::uint8_t>& rgb,
                                          const std::vector<std::uint8_t>& icc) {
    cmsHPROFILE out = cmsOpenProfileFromMem(icc.data(), static_cast<cmsUInt32Number>(icc.size()));
    std::vector<std::uint8_t> converted = Transformed(rgb, out, TYPE_RGB_8, 3);
    cmsCloseProfile(out);
    return converted;
}

std::vector<std::uint8_t> TaggedJpeg(const std::vector<std::uint8_t>& rgb, int width, int height,
                                     const std::vector<std::uint8_t>& icc) {
    cmsHPROFILE out = cmsOpenProfileFromMem(icc.data(), static_cast<cmsUInt32Number>(icc.size()));
    const bool ink = cmsGetColorSpace(out) == cmsSigCmykData;
    std::vector<std::uint8_t> jpeg;
    if (ink) {
        jpeg = InkJpeg(Transformed(rgb, out, TYPE_CMYK_8_REV, 4), width, height, false, true, 95);
    } else {
        const std::vector<std::uint8_t> converted = Transformed(rgb, out, TYPE_RGB_8, 3);
        jpeg = EncodeJpeg(converted.data(), width, height, false, 95);
    }
    cmsCloseProfile(out);
    return EmbedIccProfile(jpeg, icc);
}

void WriteTaggedVersions(const std::filesystem::path& folder, int width, int height) {
    const std::vector<std::uint8_t> source = PhotoPixels(width, height);
    for (const TaggedVersion& version : TaggedVersions) {
        const auto bytes = version.profile.empty()
                               ? SrgbJpeg(source, width, height)
                               : TaggedJpeg(source, width, height, ReadProfile(version.profile));
        std::ofstream(folder / version.file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
}

QImage RgbImage(const std::vector<std::uint8_t>& rgb, int width, int height) {
    return QImage(rgb.data(), width, height, width * 3, QImage::Format_RGB888).copy();
}

double MeanDifference(const QImage& a, const QImage& b) {
    const QImage first = a.convertToFormat(QImage::Format_RGB888);
    QImage second = b.convertToFormat(QImage::Format_RGB888);
    if (second.size() != first.size())
        second = second.scaled(first.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int y = 0; y < first.height(); ++y) {
        const std::uint8_t* p = first.constScanLine(y);
        const std::uint8_t* q = second.constScanLine(y);
        for (int i = 0; i < first.width() * 3; ++i)
            sum += std::abs(int(p[i]) - int(q[i]));
    }
    return first.isNull() ? 255 : sum / (double(first.width()) * first.height() * 3);
}

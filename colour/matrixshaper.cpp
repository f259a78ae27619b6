#include "colour/matrixshaper.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// Linear light is looked up at 16 bits: near black the output curve is steep, and a coarser
// table would show steps there.
constexpr int LinearSteps = 65536;

using Matrix = std::array<double, 9>; // row by row

bool Colorants(cmsHPROFILE profile, Matrix& rgbToXyz) {
    const cmsTagSignature tags[3] = {cmsSigRedColorantTag, cmsSigGreenColorantTag,
                                     cmsSigBlueColorantTag};
    for (int c = 0; c < 3; ++c) {
        const auto* xyz = static_cast<const cmsCIEXYZ*>(cmsReadTag(profile, tags[c]));
        if (xyz == nullptr)
            return false;
        rgbToXyz[0 * 3 + c] = xyz->X;
        rgbToXyz[1 * 3 + c] = xyz->Y;
        rgbToXyz[2 * 3 + c] = xyz->Z;
    }
    return true;
}

bool Inverse(const Matrix& m, Matrix& inverse) {
    const double det = m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6]) +
                       m[2] * (m[3] * m[7] - m[4] * m[6]);
    if (std::fabs(det) < 1e-9)
        return false;
    inverse = {(m[4] * m[8] - m[5] * m[7]) / det, (m[2] * m[7] - m[1] * m[8]) / det,
               (m[1] * m[5] - m[2] * m[4]) / det, (m[5] * m[6] - m[3] * m[8]) / det,
               (m[0] * m[8] - m[2] * m[6]) / det, (m[2] * m[3] - m[0] * m[5]) / det,
               (m[3] * m[7] - m[4] * m[6]) / det, (m[1] * m[6] - m[0] * m[7]) / det,
               (m[0] * m[4] - m[1] * m[3]) / det};
    return true;
}

const cmsToneCurve* Curve(cmsHPROFILE profile, int channel) {
    const cmsTagSignature tags[3] = {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag};
    return static_cast<const cmsToneCurve*>(cmsReadTag(profile, tags[channel]));
}

class MatrixShaper : public PixelConverter {
public:
    bool Make(cmsHPROFILE in, cmsHPROFILE out) {
        Matrix toXyz, fromXyz, outToXyz;
        if (!Colorants(in, toXyz) || !Colorants(out, outToXyz) || !Inverse(outToXyz, fromXyz))
            return false;
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column) {
                double sum = 0;
                for (int k = 0; k < 3; ++k)
                    sum += fromXyz[row * 3 + k] * toXyz[k * 3 + column];
                matrix_[row * 3 + column] = static_cast<float>(sum);
            }
        for (int c = 0; c < 3; ++c) {
            const cmsToneCurve* curveIn = Curve(in, c);
            const cmsToneCurve* curveOut = Curve(out, c);
            if (curveIn == nullptr || curveOut == nullptr)
                return false;
            for (int v = 0; v < 256; ++v)
                linear_[c][v] = cmsEvalToneCurveFloat(curveIn, static_cast<float>(v / 255.0));
            cmsToneCurve* reversed = cmsReverseToneCurveEx(4096, curveOut);
            if (reversed == nullptr)
                return false;
            encode_[c].resize(LinearSteps);
            for (int i = 0; i < LinearSteps; ++i) {
                const float value =
                    cmsEvalToneCurveFloat(reversed, static_cast<float>(i) / (LinearSteps - 1));
                encode_[c][i] =
                    static_cast<std::uint8_t>(std::clamp(std::lround(value * 255.0f), 0L, 255L));
            }
            cmsFreeToneCurve(reversed);
        }
        return true;
    }

    void Convert(const std::uint8_t* in, std::uint8_t* out, int width) const override {
        const float* m = matrix_.data();
        const std::uint8_t* encodeR = encode_[0].data();
        const std::uint8_t* encodeG = encode_[1].data();
        const std::uint8_t* encodeB = encode_[2].data();
        constexpr float Scale = LinearSteps - 1;
        for (int x = 0; x < width; ++x, in += 3, out += 3) {
            const float r = linear_[0][in[0]];
            const float g = linear_[1][in[1]];
            const float b = linear_[2][in[2]];
            const float outR = std::clamp(m[0] * r + m[1] * g + m[2] * b, 0.0f, 1.0f);
            const float outG = std::clamp(m[3] * r + m[4] * g + m[5] * b, 0.0f, 1.0f);
            const float outB = std::clamp(m[6] * r + m[7] * g + m[8] * b, 0.0f, 1.0f);
            out[0] = encodeR[static_cast<int>(outR * Scale + 0.5f)];
            out[1] = encodeG[static_cast<int>(outG * Scale + 0.5f)];
            out[2] = encodeB[static_cast<int>(outB * Scale + 0.5f)];
        }
    }

private:
    std::array<float, 9> matrix_{};
    float linear_[3][256] = {};
    std::vector<std::uint8_t> encode_[3];
};

} // namespace

std::unique_ptr<PixelConverter> MakeMatrixShaper(cmsHPROFILE in, cmsHPROFILE out) {
    if (!cmsIsMatrixShaper(in) || !cmsIsMatrixShaper(out) ||
        cmsGetColorSpace(in) != cmsSigRgbData || cmsGetColorSpace(out) != cmsSigRgbData)
        return nullptr;
    auto converter = std::make_unique<MatrixShaper>();
    if (!converter->Make(in, out))
        return nullptr;
    return converter;
}

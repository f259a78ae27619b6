#include "colour/matrixshaper.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
        float matrix[9];
        float linear[3][256];
        if (!Colorants(in, toXyz) || !Colorants(out, outToXyz) || !Inverse(outToXyz, fromXyz))
            return false;
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column) {
                double sum = 0;
                for (int k = 0; k < 3; ++k)
                    sum += fromXyz[row * 3 + k] * toXyz[k * 3 + column];
                matrix[row * 3 + column] = static_cast<float>(sum);
            }
        for (int c = 0; c < 3; ++c) {
            const cmsToneCurve* curveIn = Curve(in, c);
            const cmsToneCurve* curveOut = Curve(out, c);
            if (curveIn == nullptr || curveOut == nullptr)
                return false;
            for (int v = 0; v < 256; ++v)
                linear[c][v] = cmsEvalToneCurveFloat(curveIn, static_cast<float>(v / 255.0));
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
        for (int c = 0; c < 3; ++c)
            for (int v = 0; v < 256; ++v)
                for (int o = 0; o < 3; ++o)
                    share_[c][v][o] =
                        matrix[o * 3 + c] * linear[c][v] * Scale + (c == 0 ? 0.5f : 0.0f);
        return true;
    }

    void Convert(const std::uint8_t* in, std::uint8_t* out, int width) const override {
        for (int x = 0; x < width; ++x, in += 3, out += 3)
            ConvertOne(in, out);
    }

private:
    static constexpr float Scale = LinearSteps - 1;

#if defined(__SSE2__)
    // Each input level's share of the three outputs is kept ready as one vector: a pixel is
    // three loads, two additions and a clamp, then the curves out.
    void ConvertOne(const std::uint8_t* in, std::uint8_t* out) const {
        const __m128 sum =
            _mm_add_ps(_mm_add_ps(_mm_load_ps(share_[0][in[0]]), _mm_load_ps(share_[1][in[1]])),
                       _mm_load_ps(share_[2][in[2]]));
        const __m128i index =
            _mm_cvttps_epi32(_mm_min_ps(_mm_max_ps(sum, _mm_setzero_ps()), _mm_set1_ps(Scale)));
        // Indices stay below 65,536: the low half of each lane is the whole of it.
        out[0] = encode_[0][_mm_extract_epi16(index, 0)];
        out[1] = encode_[1][_mm_extract_epi16(index, 2)];
        out[2] = encode_[2][_mm_extract_epi16(index, 4)];
    }
#else
    void ConvertOne(const std::uint8_t* in, std::uint8_t* out) const {
        float sum[3] = {};
        for (int c = 0; c < 3; ++c)
            for (int o = 0; o < 3; ++o)
                sum[o] += share_[c][in[c]][o];
        for (int o = 0; o < 3; ++o)
            out[o] = encode_[o][static_cast<int>(std::clamp(sum[o], 0.0f, Scale))];
    }
#endif

    // share_[c][v][o]: what level v of input channel c adds to output channel o, in linear
    // light scaled to the output tables' steps, the rounding's half step on channel 0's shares
    // (the fourth lane is padding).
    alignas(16) float share_[3][256][4] = {};
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

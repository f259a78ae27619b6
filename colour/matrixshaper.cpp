#include "colour/matrixshaper.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#if defined(__x86_64__)
#include <emmintrin.h>
#endif

namespace {

// Linear light is looked up at 16 bits: near black the output curve is steep, and a coarser
// table would show steps there.
constexpr int LinearSteps = 65536;

using Matrix = std::array<double, 9>; // row by row

// Far above what real profile pairs need (ProPhoto to sRGB stays below 3), and low enough that
// three shares of full light cannot overflow 32 bits.
constexpr double MaxCoefficient = 32;

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
        double matrix[9];
        double linear[3][256];
        if (!Colorants(in, toXyz) || !Colorants(out, outToXyz) || !Inverse(outToXyz, fromXyz))
            return false;
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column) {
                double sum = 0;
                for (int k = 0; k < 3; ++k)
                    sum += fromXyz[row * 3 + k] * toXyz[k * 3 + column];
                // A wilder matrix than any real pair of profiles has could overflow the
                // fixed-point sums: left to Little CMS.
                if (std::fabs(sum) > MaxCoefficient)
                    return false;
                matrix[row * 3 + column] = sum;
            }
        for (int c = 0; c < 3; ++c) {
            const cmsToneCurve* curveIn = Curve(in, c);
            const cmsToneCurve* curveOut = Curve(out, c);
            if (curveIn == nullptr || curveOut == nullptr)
                return false;
            for (int v = 0; v < 256; ++v)
                linear[c][v] = std::clamp(
                    cmsEvalToneCurveFloat(curveIn, static_cast<float>(v / 255.0)), 0.0f, 1.0f);
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
                    share_[c][v][o] = static_cast<std::int32_t>(
                        std::lround(matrix[o * 3 + c] * linear[c][v] * Scale * Fraction));
        for (int v = 0; v < 256; ++v)
            for (int o = 0; o < 3; ++o)
                share_[0][v][o] += Fraction / 2 - Bias * Fraction;
        return true;
    }

    void Convert(const std::uint8_t* in, std::uint8_t* out, int width) const override {
        // Held in locals: every byte stored through out might otherwise be the tables' pointers.
        const std::uint8_t* const encode[3] = {encode_[0].data(), encode_[1].data(),
                                               encode_[2].data()};
        int x = 0;
#if defined(__x86_64__)
        // Two pixels a step: their sums are narrowed to 16 bits in one saturating pack, which
        // is the clamp, and each pixel's three indices leave the vector in one move.
        const __m128i unbias = _mm_set1_epi16(static_cast<short>(0x8000));
        for (; x + 2 <= width; x += 2, in += 6, out += 6) {
            const __m128i first = _mm_srai_epi32(Sum(in), FractionBits);
            const __m128i second = _mm_srai_epi32(Sum(in + 3), FractionBits);
            const __m128i indices = _mm_xor_si128(_mm_packs_epi32(first, second), unbias);
            const auto low = static_cast<std::uint64_t>(_mm_cvtsi128_si64(indices));
            const auto high =
                static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(indices, indices)));
            out[0] = encode[0][low & 0xFFFF];
            out[1] = encode[1][(low >> 16) & 0xFFFF];
            out[2] = encode[2][(low >> 32) & 0xFFFF];
            out[3] = encode[0][high & 0xFFFF];
            out[4] = encode[1][(high >> 16) & 0xFFFF];
            out[5] = encode[2][(high >> 32) & 0xFFFF];
        }
#endif
        for (; x < width; ++x, in += 3, out += 3) {
            std::int32_t sum[3] = {};
            for (int c = 0; c < 3; ++c)
                for (int o = 0; o < 3; ++o)
                    sum[o] += share_[c][in[c]][o];
            for (int o = 0; o < 3; ++o)
                out[o] = encode[o][std::clamp((sum[o] >> FractionBits) + Bias, 0, LinearSteps - 1)];
        }
    }

private:
    static constexpr double Scale = LinearSteps - 1;
    // The shares are fixed point with this many bits below a table step, so that rounding
    // each of them costs a fraction of a step, not a whole one.
    static constexpr int FractionBits = 8;
    static constexpr std::int32_t Fraction = 1 << FractionBits;
    // Sums are kept 32,768 steps low, so that the signed 16-bit saturation of SSE2's pack
    // clamps them to the tables exactly.
    static constexpr std::int32_t Bias = LinearSteps / 2;

#if defined(__x86_64__)
    __m128i Share(int channel, std::uint8_t level) const {
        return _mm_load_si128(reinterpret_cast<const __m128i*>(share_[channel][level]));
    }
    __m128i Sum(const std::uint8_t* in) const {
        return _mm_add_epi32(_mm_add_epi32(Share(0, in[0]), Share(1, in[1])), Share(2, in[2]));
    }
#endif

    // share_[c][v][o]: what level v of input channel c adds to output channel o, in linear
    // light scaled to the output tables' steps, fixed point; channel 0's shares also carry the
    // rounding's half step and the bias (the fourth lane is padding).
    alignas(16) std::int32_t share_[3][256][4] = {};
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

#include "pictures/jpegcoefficients.h"

#include <array>
#include <cstring>
#include <new>

#include <jpegint.h> // the entropy decoder's method

namespace {

// The coefficients a two-point transform reads, in libjpeg's natural (row by row) order.
constexpr std::array<int, 25> TwoPointCoefficients = {
    0, 1, 3, 5, 7, 8, 9, 11, 13, 15, 24, 25, 27, 29, 31, 40, 41, 43, 45, 47, 56, 57, 59, 61, 63};

// The transform size libjpeg gives a component at 1/8: a subsampled one is scaled up by the
// transform rather than by upsampling, as far as its sampling allows. Replay checks it against
// the decompressor's own choice, so a different rule only costs the second reading.
int EighthTransformSize(const jpeg_decompress_struct* info, const jpeg_component_info* component) {
    int size = 1;
    while (size < DCTSIZE && info->max_h_samp_factor % (component->h_samp_factor * size * 2) == 0 &&
           info->max_v_samp_factor % (component->v_samp_factor * size * 2) == 0)
        size *= 2;
    return size;
}

} // namespace

bool JpegEighthCoefficients::Record(jpeg_decompress_struct* info) {
    if (jpeg_has_multiple_scans(info) || info->blocks_in_MCU <= 0 ||
        info->blocks_in_MCU > D_MAX_BLOCKS_IN_MCU || info->entropy == nullptr)
        return false;
    std::size_t perMcu = 0;
    for (int b = 0; b < info->blocks_in_MCU; ++b) {
        const int size = EighthTransformSize(info, info->cur_comp_info[info->MCU_membership[b]]);
        if (size > 2)
            return false;
        membership_[b] = info->MCU_membership[b];
        wide_[b] = size == 2;
        perMcu += wide_[b] ? TwoPointCoefficients.size() : 1;
    }
    blocksInMcu_ = info->blocks_in_MCU;
    mcusPerRow_ = info->MCUs_per_row;
    mcuRows_ = info->MCU_rows_in_scan;
    const std::size_t values = mcusPerRow_ * mcuRows_ * perMcu;
    if (values == 0 || values > MaxBytes / sizeof(JCOEF))
        return false;
    try {
        kept_.assign(values, 0);
    } catch (const std::bad_alloc&) {
        return false; // the thumbnail is decoded from the file, as without
    }
    at_ = 0;
    mcus_ = 0;
    overflowed_ = false;
    ended_ = false;
    decodeMcu_ = info->entropy->decode_mcu;
    info->client_data = this;
    info->entropy->decode_mcu = RecordMcu;
    return true;
}

bool JpegEighthCoefficients::Complete() const {
    return decodeMcu_ != nullptr && ended_ && !overflowed_ && mcus_ == mcusPerRow_ * mcuRows_;
}

boolean JpegEighthCoefficients::RecordMcu(j_decompress_ptr info, JBLOCKROW* blocks) {
    auto* self = static_cast<JpegEighthCoefficients*>(info->client_data);
    JBLOCKROW scratch[D_MAX_BLOCKS_IN_MCU];
    if (blocks == nullptr) {
        // A skipped row, which libjpeg decodes without keeping anything: the decoder writes only
        // the coefficients that are not zero, so the scratch starts zeroed.
        std::memset(self->scratch_, 0,
                    sizeof(JBLOCK) * static_cast<std::size_t>(self->blocksInMcu_));
        for (int b = 0; b < self->blocksInMcu_; ++b)
            scratch[b] = &self->scratch_[b];
        blocks = scratch;
    }
    if (!self->decodeMcu_(info, blocks))
        return FALSE;
    if (self->mcus_ == self->mcusPerRow_ * self->mcuRows_) {
        self->overflowed_ = true;
        return TRUE;
    }
    JCOEF* out = self->kept_.data() + self->at_;
    for (int b = 0; b < self->blocksInMcu_; ++b) {
        const JCOEF* block = blocks[b][0];
        if (!self->wide_[b]) {
            *out++ = block[0];
            continue;
        }
        for (const int k : TwoPointCoefficients)
            *out++ = block[k];
    }
    self->at_ = static_cast<std::size_t>(out - self->kept_.data());
    ++self->mcus_;
    return TRUE;
}

bool JpegEighthCoefficients::SameLayout(jpeg_decompress_struct* info) const {
    if (jpeg_has_multiple_scans(info) || info->blocks_in_MCU != blocksInMcu_ ||
        info->MCUs_per_row != mcusPerRow_ || info->MCU_rows_in_scan != mcuRows_ ||
        info->entropy == nullptr)
        return false;
    for (int b = 0; b < blocksInMcu_; ++b) {
        if (info->MCU_membership[b] != membership_[b])
            return false;
        const int size = info->cur_comp_info[membership_[b]]->DCT_scaled_size;
        if (size != 1 && !(size == 2 && wide_[b]))
            return false;
    }
    return true;
}

bool JpegEighthCoefficients::Replay(jpeg_decompress_struct* info) {
    if (!Complete() || !SameLayout(info))
        return false;
    at_ = 0;
    mcus_ = 0;
    info->client_data = this;
    info->entropy->decode_mcu = ReplayMcu;
    return true;
}

boolean JpegEighthCoefficients::ReplayMcu(j_decompress_ptr info, JBLOCKROW* blocks) {
    auto* self = static_cast<JpegEighthCoefficients*>(info->client_data);
    // Never past what was kept: the layout matched, so this only guards.
    if (self->mcus_ == self->mcusPerRow_ * self->mcuRows_)
        return TRUE;
    const JCOEF* in = self->kept_.data() + self->at_;
    for (int b = 0; b < self->blocksInMcu_; ++b) {
        JCOEF* block = blocks != nullptr ? blocks[b][0] : nullptr;
        if (!self->wide_[b]) {
            if (block != nullptr)
                block[0] = *in;
            ++in;
            continue;
        }
        if (block != nullptr) {
            std::memset(block, 0, sizeof(JBLOCK));
            for (std::size_t i = 0; i < TwoPointCoefficients.size(); ++i)
                block[TwoPointCoefficients[i]] = in[i];
        }
        in += TwoPointCoefficients.size();
    }
    self->at_ = static_cast<std::size_t>(in - self->kept_.data());
    ++self->mcus_;
    return TRUE;
}

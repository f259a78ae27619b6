#pragma once
// One reading of a file's entropy-coded data for two pictures of it: the main area's part at
// full size and the strip's thumbnail at 1/8. At 1/8 libjpeg's inverse transform reads only a few
// coefficients of each block: the first alone, or for a component it scales up by two instead of
// upsampling, those of rows and columns 0, 1, 3, 5 and 7 (in a two-point transform the other
// frequencies cancel out). So while the full-size decode goes through the file, those are kept,
// and the thumbnail's decode is handed them in place of the file's data: libjpeg makes the very
// pixels it makes from the file, without the larger share of a thumbnail's work, reading the file.
// Both decodes are libjpeg's own; only the entropy decoder's method is swapped, as libjpeg's
// module interface allows.

#include "pictures/jpegerrors.h" // jpeglib.h

#include <cstddef>
#include <cstdint>
#include <vector>

// A decode handed coefficients that do not fit its file fails with it; its caller decodes from
// the file instead. (libjpeg's codes are never negative; jpegwork.h has -2 to -4.)
inline constexpr int JpegCoefficientsUnfit = -5;

class JpegEighthCoefficients {
public:
    JpegEighthCoefficients() = default;
    JpegEighthCoefficients(const JpegEighthCoefficients&) = delete;
    JpegEighthCoefficients& operator=(const JpegEighthCoefficients&) = delete;

    // On a decompressor after jpeg_start_decompress, at any scale: from now on libjpeg's entropy
    // decoder hands every block's coefficients that a 1/8 decode uses here as well (libjpeg's
    // skipped rows included). False, nothing kept, for a file of several scans, a sampling whose
    // 1/8 transform needs more, or a picture whose coefficients would exceed the bound.
    bool Record(jpeg_decompress_struct* info);
    // Said by the recording decode once it read the file's end without an error.
    void MarkEnded() { ended_ = true; }
    // Whether every block of the file was kept and its end read without an error.
    bool Complete() const;
    // On a decompressor of the same file at 1/8, after jpeg_start_decompress: its entropy
    // decoding is replaced by the kept coefficients. False when they do not fit its layout.
    bool Replay(jpeg_decompress_struct* info);

    // The most memory the kept coefficients may take (a 12-megapixel photograph takes 1 to 5 MB).
    static constexpr std::size_t MaxBytes = 32u << 20;

private:
    static boolean RecordMcu(j_decompress_ptr info, JBLOCKROW* blocks);
    static boolean ReplayMcu(j_decompress_ptr info, JBLOCKROW* blocks);
    bool SameLayout(jpeg_decompress_struct* info) const;

    boolean (*decodeMcu_)(j_decompress_ptr, JBLOCKROW*) = nullptr; // libjpeg's, while recording
    int blocksInMcu_ = 0;
    int membership_[D_MAX_BLOCKS_IN_MCU] = {};
    bool wide_[D_MAX_BLOCKS_IN_MCU] = {}; // the block's component is scaled up by two at 1/8
    std::size_t mcusPerRow_ = 0;
    std::size_t mcuRows_ = 0;
    std::size_t mcus_ = 0;                     // kept so far, or replayed so far
    bool overflowed_ = false;                  // more MCUs came than the layout has
    bool ended_ = false;                       // the recording decode read the file to its end
    std::vector<JCOEF> kept_;                  // in decoding order
    std::size_t at_ = 0;                       // next value to write or replay
    JBLOCK scratch_[D_MAX_BLOCKS_IN_MCU] = {}; // takes a skipped MCU's coefficients
};

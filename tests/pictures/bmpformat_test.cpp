#include "pictures/bmpformat.h"
#include "pictures/icoformat.h"
#include "pictures/metafileformat.h"
#include "tests/pictures/testpictures.h"

#include <gtest/gtest.h>

namespace {

std::uint32_t Argb(const std::vector<std::uint8_t>& rgb, int width, int x, int y) {
    const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
    return 0xFF000000u | p[0] << 16 | p[1] << 8 | p[2];
}

std::vector<std::uint32_t> Pixels(const DecodedBitmap& bitmap) {
    return {bitmap.pixels.begin(), bitmap.pixels.end()};
}

// A BMP with a 40-byte header and the given palette and raw (already bottom-up) rows.
std::vector<std::uint8_t> MakeBmp(int width, int height, int bits, std::uint32_t compression,
                                  const std::vector<std::uint32_t>& table,
                                  const std::vector<std::uint8_t>& rows) {
    std::vector<std::uint8_t> out{'B', 'M'};
    const std::uint32_t offset = 54 + static_cast<std::uint32_t>(table.size()) * 4;
    PutU32(out, offset + static_cast<std::uint32_t>(rows.size()));
    PutU32(out, 0);
    PutU32(out, offset);
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(height));
    PutU16(out, 1);
    PutU16(out, static_cast<unsigned>(bits));
    PutU32(out, compression);
    PutU32(out, static_cast<std::uint32_t>(rows.size()));
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, compression == 3 ? 0 : static_cast<std::uint32_t>(table.size()));
    PutU32(out, 0);
    for (std::uint32_t entry : table) // colour table, or the three bit-field masks
        PutU32(out, entry);
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

TEST(BmpFormatTest, Reads24BitRowsWithPaddingBottomUpAndTopDown) {
    // 15 bytes a row, padded to 16; and one as large as window artwork, which two threads
    // convert, with an odd number of rows and padded ones.
    for (const auto& [width, height] : {std::pair{5, 3}, std::pair{725, 363}}) {
        const std::vector<std::uint8_t> rgb = PatternPixels(width, height);
        for (const bool topDown : {false, true}) {
            const std::optional<DecodedBitmap> bitmap =
                DecodeBmpFile(MakeBmp24(width, height, rgb, topDown));
            ASSERT_TRUE(bitmap);
            EXPECT_EQ(bitmap->width, width);
            EXPECT_EQ(bitmap->height, height);
            EXPECT_FALSE(bitmap->hasAlpha);
            int wrong = 0;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x)
                    wrong += bitmap->pixels[std::size_t(y) * width + x] != Argb(rgb, width, x, y);
            }
            EXPECT_EQ(wrong, 0) << width << " x " << height << (topDown ? " top-down" : "");
        }
    }
}

TEST(BmpFormatTest, ReadsTopDownRows) {
    const std::vector<std::uint8_t> rgb = PatternPixels(3, 4);
    const std::optional<DecodedBitmap> bitmap = DecodeBmpFile(MakeBmp24(3, 4, rgb, true));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->pixels[0], Argb(rgb, 3, 0, 0));
    EXPECT_EQ(bitmap->pixels[11], Argb(rgb, 3, 2, 3));
}

TEST(BmpFormatTest, ReadsPaletteDepths) {
    // 8 bits, two used colours; bottom row first: "1 0 1" then "0 1 0".
    const std::vector<std::uint8_t> rows8 = {1, 0, 1, 0, 0, 1, 0, 0};
    const auto eight = DecodeBmpFile(MakeBmp(3, 2, 8, 0, {0x00102030, 0x00A0B0C0}, rows8));
    ASSERT_TRUE(eight);
    EXPECT_EQ(Pixels(*eight), (std::vector<std::uint32_t>{0xFF102030, 0xFFA0B0C0, 0xFF102030,
                                                          0xFFA0B0C0, 0xFF102030, 0xFFA0B0C0}));
    // 4 bits: the high nibble is the left pixel.
    const auto four = DecodeBmpFile(
        MakeBmp(3, 1, 4, 0, {0x000000FF, 0x0000FF00, 0x00FF0000}, {0x21, 0x00, 0, 0}));
    ASSERT_TRUE(four);
    EXPECT_EQ(Pixels(*four), (std::vector<std::uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF}));
    // 1 bit: the top bit is the left pixel; 9 pixels span two bytes of a 4-byte row.
    const auto one = DecodeBmpFile(
        MakeBmp(9, 1, 1, 0, {0x00000000, 0x00FFFFFF}, {0b10000001, 0b10000000, 0, 0}));
    ASSERT_TRUE(one);
    EXPECT_EQ(one->pixels[0], 0xFFFFFFFFu);
    EXPECT_EQ(one->pixels[1], 0xFF000000u);
    EXPECT_EQ(one->pixels[7], 0xFFFFFFFFu);
    EXPECT_EQ(one->pixels[8], 0xFFFFFFFFu);
}

TEST(BmpFormatTest, ReadsSixteenAndThirtyTwoBits) {
    // 16 bits default to 5-5-5: pure red 0x7C00.
    const auto rgb555 = DecodeBmpFile(MakeBmp(1, 1, 16, 0, {}, {0x00, 0x7C, 0, 0}));
    ASSERT_TRUE(rgb555);
    EXPECT_EQ(rgb555->pixels[0], 0xFFFF0000u);
    // 5-6-5 through bit fields: pure green 0x07E0.
    const auto rgb565 =
        DecodeBmpFile(MakeBmp(1, 1, 16, 3, {0xF800, 0x07E0, 0x001F}, {0xE0, 0x07, 0, 0}));
    ASSERT_TRUE(rgb565);
    EXPECT_EQ(rgb565->pixels[0], 0xFF00FF00u);
    // 32 bits BI_RGB: the fourth byte is unused, never alpha.
    const auto rgb32 = DecodeBmpFile(MakeBmp(1, 1, 32, 0, {}, {0x30, 0x20, 0x10, 0x00}));
    ASSERT_TRUE(rgb32);
    EXPECT_EQ(rgb32->pixels[0], 0xFF102030u);
    EXPECT_FALSE(rgb32->hasAlpha);
}

TEST(BmpFormatTest, RefusesWhatItCannotShow) {
    const std::vector<std::uint8_t> good = MakeBmp24(2, 2, PatternPixels(2, 2));
    ASSERT_TRUE(DecodeBmpFile(good));
    std::vector<std::uint8_t> rle = good;
    rle[30] = 1; // BI_RLE8
    EXPECT_FALSE(DecodeBmpFile(rle));
    std::vector<std::uint8_t> depth = good;
    depth[28] = 7;
    EXPECT_FALSE(DecodeBmpFile(depth));
    std::vector<std::uint8_t> hugeHeight = good;
    hugeHeight[25] = 0x7F;
    EXPECT_FALSE(DecodeBmpFile(hugeHeight));
    // A palette that runs past the end of the file.
    EXPECT_FALSE(DecodeBmpFile(MakeBmp(1, 1, 8, 0, {}, {0, 0, 0, 0})));
    // Bit fields that are not one run of ones.
    EXPECT_FALSE(DecodeBmpFile(MakeBmp(1, 1, 16, 3, {0xF00F, 0x07E0, 0x001F}, {0, 0, 0, 0})));
}

// An .ico with one 32-bit image per size given, each with an AND mask.
std::vector<std::uint8_t> MakeIco(const std::vector<int>& sizes) {
    std::vector<std::vector<std::uint8_t>> images;
    for (int size : sizes) {
        std::vector<std::uint8_t> dib;
        PutU32(dib, 40);
        PutU32(dib, static_cast<std::uint32_t>(size));
        PutU32(dib, static_cast<std::uint32_t>(size * 2));
        PutU16(dib, 1);
        PutU16(dib, 32);
        for (int i = 0; i < 6; ++i)
            PutU32(dib, 0);
        for (int i = 0; i < size * size; ++i)
            dib.insert(dib.end(), {static_cast<std::uint8_t>(size), 0x40, 0x80, 0x00});
        const int maskStride = (size + 31) / 32 * 4;
        std::vector<std::uint8_t> mask(static_cast<std::size_t>(maskStride) * size, 0);
        mask[0] = 0x80; // bottom row, left pixel: transparent
        dib.insert(dib.end(), mask.begin(), mask.end());
        images.push_back(dib);
    }
    std::vector<std::uint8_t> out;
    PutU16(out, 0);
    PutU16(out, 1);
    PutU16(out, static_cast<unsigned>(sizes.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        out.insert(out.end(), {static_cast<std::uint8_t>(sizes[i]),
                               static_cast<std::uint8_t>(sizes[i]), 0, 0});
        PutU16(out, 1);
        PutU16(out, 32);
        PutU32(out, static_cast<std::uint32_t>(images[i].size()));
        PutU32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images)
        out.insert(out.end(), image.begin(), image.end());
    return out;
}

TEST(IcoFormatTest, PicksTheLargestImageAndAppliesItsMask) {
    const std::vector<std::uint8_t> ico = MakeIco({4, 8, 2});
    const std::optional<IconEntry> entry = LargestIconImage(ico);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->width, 8);
    EXPECT_FALSE(entry->png);
    const std::optional<DecodedBitmap> image = DecodeIconDib(entry->data);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 8);
    EXPECT_EQ(image->height, 8);
    // The fourth bytes are all zero, so the mask alone decides what shows.
    EXPECT_EQ(image->pixels[0], 0xFF804008u);
    EXPECT_EQ(image->pixels[7 * 8] >> 24, 0u) << "masked pixel of the bottom row";
}

TEST(IcoFormatTest, RefusesInvalidDirectories) {
    std::vector<std::uint8_t> ico = MakeIco({4});
    ASSERT_TRUE(LargestIconImage(ico));
    std::vector<std::uint8_t> cursor = ico;
    cursor[2] = 2;
    EXPECT_FALSE(LargestIconImage(cursor));
    std::vector<std::uint8_t> noImages = ico;
    noImages[4] = 0;
    EXPECT_FALSE(LargestIconImage(noImages));
    const std::vector<std::uint8_t> cut(ico.begin(), ico.end() - 10);
    EXPECT_FALSE(LargestIconImage(cut));
    EXPECT_FALSE(DecodeIconDib(std::vector<std::uint8_t>(10, 0)));
}

std::vector<std::uint8_t> PlainWmfHeader() {
    std::vector<std::uint8_t> out;
    PutU16(out, 1);      // in memory
    PutU16(out, 9);      // header words
    PutU16(out, 0x0300); // version
    PutU32(out, 12);     // file size in words
    PutU16(out, 0);      // objects
    PutU32(out, 3);      // largest record
    PutU16(out, 0);
    PutU32(out, 3); // end-of-file record
    PutU16(out, 0);
    return out;
}

TEST(MetafileFormatTest, ReadsTheSizeOfEachKind) {
    std::vector<std::uint8_t> placeable;
    PutU32(placeable, 0x9AC6CDD7);
    PutU16(placeable, 0);
    for (unsigned v : {0u, 0u, 1440u, 720u, 1440u}) // box 0,0 to 1440,720 at 1440 a inch
        PutU16(placeable, v);
    PutU32(placeable, 0);
    PutU16(placeable, 0); // checksum, not checked
    const std::vector<std::uint8_t> plain = PlainWmfHeader();
    placeable.insert(placeable.end(), plain.begin(), plain.end());
    const auto wmf = ReadMetafileSize(placeable);
    ASSERT_TRUE(wmf);
    EXPECT_EQ(wmf->width, 96);
    EXPECT_EQ(wmf->height, 48);
    EXPECT_FALSE(wmf->enhanced);

    const auto bare = ReadMetafileSize(plain);
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->width, 0);
    EXPECT_EQ(bare->height, 0);

    std::vector<std::uint8_t> emf;
    PutU32(emf, 1);
    PutU32(emf, 88);
    for (int i = 0; i < 4; ++i)
        PutU32(emf, 0);                            // bounds
    for (std::uint32_t v : {0u, 0u, 5080u, 2540u}) // frame: 50.8 mm x 25.4 mm
        PutU32(emf, v);
    PutU32(emf, 0x464D4520);
    emf.resize(88, 0);
    const auto enhanced = ReadMetafileSize(emf);
    ASSERT_TRUE(enhanced);
    EXPECT_EQ(enhanced->width, 192);
    EXPECT_EQ(enhanced->height, 96);
    EXPECT_TRUE(enhanced->enhanced);
}

} // namespace

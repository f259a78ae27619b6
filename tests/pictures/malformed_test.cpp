// Damaged files must fail cleanly: every decoder either refuses the bytes or returns a picture
// whose pixels match its stated size, and never reads outside the data (run under the
// sanitizers to see the latter).

#include "pictures/bmpformat.h"
#include "pictures/icoformat.h"
#include "pictures/jpegreader.h"
#include "pictures/metafileformat.h"
#include "tests/pictures/testpictures.h"

#include <functional>

#include <gtest/gtest.h>

namespace {

// Every truncation, and every byte of the first 128 set to 0x00, 0x7F and 0xFF in turn.
void ForEachDamaged(const std::vector<std::uint8_t>& good,
                    const std::function<void(const std::vector<std::uint8_t>&)>& check) {
    for (std::size_t length = 0; length < good.size(); ++length)
        check(std::vector<std::uint8_t>(good.begin(), good.begin() + length));
    for (std::size_t at = 0; at < std::min<std::size_t>(good.size(), 128); ++at) {
        for (std::uint8_t value : {0x00, 0x7F, 0xFF}) {
            std::vector<std::uint8_t> damaged = good;
            damaged[at] = value;
            check(damaged);
        }
    }
}

void CheckBitmap(const std::optional<DecodedBitmap>& bitmap) {
    if (bitmap) {
        ASSERT_GT(bitmap->width, 0);
        ASSERT_GT(bitmap->height, 0);
        ASSERT_EQ(bitmap->pixels.size(), static_cast<std::size_t>(bitmap->width) * bitmap->height);
    }
}

TEST(MalformedInputTest, BmpFiles) {
    ForEachDamaged(
        MakeBmp24(5, 3, PatternPixels(5, 3)),
        [](const std::vector<std::uint8_t>& bytes) { CheckBitmap(DecodeBmpFile(bytes)); });
}

TEST(MalformedInputTest, IconFiles) {
    // A 4 x 4 icon image, 8 bits a pixel with a two-colour table, and its mask.
    std::vector<std::uint8_t> dib;
    PutU32(dib, 40);
    PutU32(dib, 4);
    PutU32(dib, 8);
    PutU16(dib, 1);
    PutU16(dib, 8);
    for (int i = 0; i < 4; ++i)
        PutU32(dib, 0);
    PutU32(dib, 2);
    PutU32(dib, 0);
    PutU32(dib, 0x00FF0000);
    PutU32(dib, 0x000000FF);
    for (int i = 0; i < 16; ++i)
        dib.push_back(static_cast<std::uint8_t>(i % 2));
    dib.insert(dib.end(), 16, 0);
    std::vector<std::uint8_t> ico;
    PutU16(ico, 0);
    PutU16(ico, 1);
    PutU16(ico, 1);
    ico.insert(ico.end(), {4, 4, 2, 0});
    PutU16(ico, 1);
    PutU16(ico, 8);
    PutU32(ico, static_cast<std::uint32_t>(dib.size()));
    PutU32(ico, 22);
    ico.insert(ico.end(), dib.begin(), dib.end());
    ASSERT_TRUE(LargestIconImage(ico));
    ASSERT_TRUE(DecodeIconDib(LargestIconImage(ico)->data));
    ForEachDamaged(ico, [](const std::vector<std::uint8_t>& bytes) {
        if (const std::optional<IconEntry> entry = LargestIconImage(bytes)) {
            ASSERT_GE(entry->data.data(), bytes.data());
            ASSERT_LE(entry->data.data() + entry->data.size(), bytes.data() + bytes.size());
            if (!entry->png)
                CheckBitmap(DecodeIconDib(entry->data));
        }
    });
}

// Found by fuzzing: an icon's PNG image of a few hundred bytes with a chunk after its picture
// data claiming 1.6 GB made the PNG library allocate that much. Chunks must lie inside.
TEST(MalformedInputTest, PngChunkLongerThanTheImageIsRefused) {
    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto chunk = [&](std::uint32_t length, const char* type, std::size_t present) {
        for (int shift = 24; shift >= 0; shift -= 8)
            png.push_back(static_cast<std::uint8_t>(length >> shift));
        png.insert(png.end(), type, type + 4);
        png.insert(png.end(), present + 4, 0); // data and check sum
    };
    chunk(13, "IHDR", 13);
    png[19] = 4; // width 4
    png[23] = 3; // height 3
    std::vector<std::uint8_t> sound = png;
    chunk(0, "IEND", 0);
    EXPECT_EQ(SoundPngSize(png)->width, 4);
    EXPECT_EQ(SoundPngSize(png)->height, 3);
    png = sound;
    chunk(0x64626126, "tEXt", 4);
    EXPECT_FALSE(SoundPngSize(png));
}

TEST(MalformedInputTest, Metafiles) {
    std::vector<std::uint8_t> emf;
    PutU32(emf, 1);
    PutU32(emf, 88);
    for (std::uint32_t v : {0u, 0u, 0u, 0u, 0u, 0u, 2540u, 2540u})
        PutU32(emf, v);
    PutU32(emf, 0x464D4520);
    emf.resize(88, 0);
    ForEachDamaged(emf, [](const std::vector<std::uint8_t>& bytes) {
        if (const std::optional<MetafileSize> size = ReadMetafileSize(bytes)) {
            ASSERT_GE(size->width, 0);
            ASSERT_GE(size->height, 0);
        }
    });
}

TEST(MalformedInputTest, JpegFiles) {
    ForEachDamaged(MakeJpeg(24, 16), [](const std::vector<std::uint8_t>& bytes) {
        JpegHeader header;
        if (ReadJpegHeader(bytes.data(), bytes.size(), header) != 0)
            return;
        // Never more than the small picture this was: a damaged size byte can grow it.
        if (static_cast<long>(header.width) * header.height > 1 << 20)
            return;
        const int channels = header.grayscale ? 1 : 3;
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(header.width) * header.height *
                                         channels);
        int rows = -1;
        DecodeJpegRows(bytes.data(), bytes.size(), header.grayscale, header.width, header.height,
                       pixels.data(), header.width * channels, rows);
        ASSERT_GE(rows, 0);
        ASSERT_LE(rows, header.height);
    });
}

} // namespace

#include "skin/hexbytes.h"
#include "skin/regiondata.h"

#include <gtest/gtest.h>

namespace {

// The main window's stored shape: one rectangle 1, 0, 799, 653.
const std::vector<uint8_t> kMainWindowMask2 = {
    0x30, 0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01,
    0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x1F, 0x03, 0x00, 0x00, 0x8D, 0x02, 0x00, 0x00, 0x01, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x1F, 0x03, 0x00, 0x00, 0x8D, 0x02, 0x00, 0x00};

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = uint8_t(value >> (8 * i));
}

TEST(Mask2, MainWindowValueReadsAsOneRectangleAndWritesBackByteForByte) {
    const Mask2Value value = ParseMask2(kMainWindowMask2);
    EXPECT_EQ(value.size, 48u);
    EXPECT_EQ(value.data.size(), 48u);
    ASSERT_TRUE(value.rects.has_value());
    EXPECT_EQ(*value.rects, (std::vector<RegionRect>{{1, 0, 799, 653}}));

    EXPECT_EQ(BuildMask2(value.rects), kMainWindowMask2);
}

TEST(Mask2, ZeroCountIsNoRegionAndNoRegionWritesFourZeroBytes) {
    const std::vector<uint8_t> zero = {0, 0, 0, 0};
    const Mask2Value value = ParseMask2(zero);
    EXPECT_EQ(value.size, 0u);
    EXPECT_TRUE(value.data.empty());
    EXPECT_FALSE(value.rects.has_value());

    EXPECT_EQ(BuildMask2(std::nullopt), zero);
    EXPECT_EQ(BuildMask2(std::vector<RegionRect>{}), zero);
}

TEST(Mask2, SeveralRectanglesRoundTripWithTheirBoundingRectangle) {
    const std::vector<RegionRect> rects = {{10, 0, 30, 5}, {-4, 5, 40, 9}, {0, 9, 2, 100}};
    const std::vector<uint8_t> value = BuildMask2(rects);
    ASSERT_EQ(value.size(), 4u + 32u + 3u * 16u);
    const Mask2Value read = ParseMask2(value);
    ASSERT_TRUE(read.rects.has_value());
    EXPECT_EQ(*read.rects, rects);
    // The header's bounding rectangle spans all three.
    const std::vector<uint8_t> data = BuildRegionData(rects);
    const auto i32 = [&](size_t at) {
        return int32_t(data[at] | data[at + 1] << 8 | data[at + 2] << 16 | data[at + 3] << 24);
    };
    EXPECT_EQ(i32(16), -4);
    EXPECT_EQ(i32(20), 0);
    EXPECT_EQ(i32(24), 40);
    EXPECT_EQ(i32(28), 100);
}

struct Damage {
    const char* what;
    std::vector<uint8_t> (*make)();
};

std::vector<uint8_t> WithU32(size_t at, uint32_t value) {
    std::vector<uint8_t> bytes = kMainWindowMask2;
    PutU32(bytes, at, value);
    return bytes;
}

const Damage kDamages[] = {
    {"header size not 32", [] { return WithU32(4, 31); }},
    {"type not a rectangle list", [] { return WithU32(8, 2); }},
    {"no rectangles",
     [] {
         std::vector<uint8_t> bytes = WithU32(12, 0);
         PutU32(bytes, 16, 0);
         PutU32(bytes, 0, 32);
         bytes.resize(36);
         return bytes;
     }},
    {"count disagrees with rectangle bytes", [] { return WithU32(12, 2); }},
    {"rectangle bytes disagree with count", [] { return WithU32(16, 15); }},
    {"count promises more than follows", [] { return WithU32(0, 64); }},
    {"count promises less than follows", [] { return WithU32(0, 40); }},
    {"value cut inside the rectangles",
     [] {
         std::vector<uint8_t> bytes = kMainWindowMask2;
         bytes.resize(44);
         return bytes;
     }},
    {"value shorter than its count",
     [] {
         return std::vector<uint8_t>{0x30, 0, 0};
     }},
    {"count that wraps around in 32 bits",
     [] {
         std::vector<uint8_t> bytes = WithU32(12, 0x10000001);
         PutU32(bytes, 16, 16); // 0x10000001 * 16 truncated to 32 bits
         return bytes;
     }},
    {"empty rectangle (right = left)", [] { return WithU32(36 + 8, 1); }},
    {"inverted rectangle (bottom < top)", [] { return WithU32(36 + 12, uint32_t(-5)); }},
    // Its width does not fit an int.
    {"rectangle from far left", [] { return WithU32(36, uint32_t(-2147483647)); }},
    {"value of 48 region bytes of nothing but zeros",
     [] {
         std::vector<uint8_t> bytes(52, 0);
         bytes[0] = 48;
         return bytes;
     }},
};

class RejectedMask2 : public testing::TestWithParam<Damage> {};

TEST_P(RejectedMask2, GivesNoRegion) {
    const std::vector<uint8_t> bytes = GetParam().make();
    EXPECT_FALSE(ParseMask2(bytes).rects.has_value()) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Damaged, RejectedMask2, testing::ValuesIn(kDamages),
                         [](const testing::TestParamInfo<Damage>& test) {
                             std::string name = test.param.what;
                             for (char& c : name)
                                 if (!isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST(HexBytes, ReadsTheDescriptionsNotation) {
    const auto bytes = ParseHexBytes("30000000 20000000\n01000000 01000000 10000000 01000000 "
                                     "00000000 1f030000 8D020000 01000000 00000000 1F030000 "
                                     "8D020000");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, kMainWindowMask2);
    EXPECT_EQ(FormatHexBytes(kMainWindowMask2),
              "30000000 20000000 01000000 01000000 10000000 01000000 00000000 1F030000 "
              "8D020000 01000000 00000000 1F030000 8D020000");
    EXPECT_EQ(ParseHexBytes("  "), std::vector<uint8_t>{});
}

TEST(HexBytes, RejectsOddDigitCountsAndOtherCharacters) {
    EXPECT_FALSE(ParseHexBytes("300").has_value());
    EXPECT_FALSE(ParseHexBytes("3 0 0").has_value());
    EXPECT_FALSE(ParseHexBytes("0x30").has_value());
    EXPECT_FALSE(ParseHexBytes("3G").has_value());
    EXPECT_FALSE(ParseHexBytes("30,00").has_value());
}

} // namespace

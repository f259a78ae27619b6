#include "core/cp1250.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace {

constexpr std::string_view HungarianUtf8 = "őűŐŰáÁ";
constexpr std::string_view HungarianCp1250 = "\xF5\xFB\xD5\xDB\xE1\xC1";
constexpr unsigned char UnassignedBytes[] = {0x81, 0x83, 0x88, 0x90, 0x98};

bool IsUnassigned(int byte) {
    for (const unsigned char u : UnassignedBytes) {
        if (byte == u)
            return true;
    }
    return false;
}

TEST(Cp1250, HungarianLettersRoundTrip) {
    EXPECT_EQ(Cp1250ToUtf8(HungarianCp1250), HungarianUtf8);
    EXPECT_EQ(Utf8ToCp1250(HungarianUtf8), std::string(HungarianCp1250));
    EXPECT_EQ(Utf8ToCp1250("€„…–"), std::string("\x80\x84\x85\x96"));
}

TEST(Cp1250, EveryAssignedByteRoundTripsAndTheRestShowReplacement) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const std::string utf8 = Cp1250ToUtf8(one);
        if (IsUnassigned(byte)) {
            EXPECT_EQ(utf8, "\uFFFD") << byte;
            continue;
        }
        EXPECT_EQ(Utf8ToCp1250(utf8), one) << "byte " << byte;
    }
}

// The table typed by hand is checked against the C library's converter where it has one.
TEST(Cp1250, TableAgreesWithSystemConverter) {
    iconv_t converter = iconv_open("UTF-8", "CP1250");
    if (converter == reinterpret_cast<iconv_t>(-1))
        GTEST_SKIP() << "no CP1250 converter on this system";
    for (int byte = 0x80; byte < 256; ++byte) {
        if (IsUnassigned(byte))
            continue;
        char in[1] = {static_cast<char>(byte)};
        char out[8] = {};
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = 1, outLeft = sizeof out;
        ASSERT_NE(iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft), std::size_t(-1)) << byte;
        EXPECT_EQ(Cp1250ToUtf8(std::string(1, in[0])), std::string(out, outPtr)) << byte;
    }
    iconv_close(converter);
}

TEST(Cp1250, CharactersWithoutAByteAndMalformedUtf8GiveNothing) {
    for (const std::string_view text : {"õ", "ä€ő ñ", "日本", "😀", "\uFFFD", "\xC3", "\xC0\xAF",
                                        "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\x80"}) {
        EXPECT_EQ(Utf8ToCp1250(text), std::nullopt) << text;
    }
    EXPECT_EQ(Utf8ToCp1250(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1250, CaseRulesChangeOnlyAsciiLetters) {
    EXPECT_EQ(AsciiLower("C:\\K\xC9P\\\xC1RV\xCDZ.JPG"), "c:\\k\xC9p\\\xC1rv\xCDz.jpg");
    EXPECT_EQ(AsciiUpper("az@[`{\xF5\xE1"), "AZ@[`{\xF5\xE1");
    EXPECT_EQ(AsciiLower("AZ@[`{\xD5\xC1"), "az@[`{\xD5\xC1");
}

} // namespace

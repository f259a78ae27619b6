#include "pictures/fileextension.h"
#include "pictures/fileformats.h"
#include "pictures/tgraphic.h"

#include <gtest/gtest.h>

namespace {

struct ExtensionCase {
    const char* name;
    const char* extension;
};

class FileExtensionTest : public testing::TestWithParam<ExtensionCase> {};

TEST_P(FileExtensionTest, TakesTextAfterLastPeriodBackslashOrColon) {
    EXPECT_EQ(FileExtension(GetParam().name), GetParam().extension) << "name: " << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileExtensionTest,
    testing::Values(
        // "/" is no separator: the leading period of "./" starts the extension.
        ExtensionCase{"./images/abc", "/images/abc"}, ExtensionCase{"images/abc", ""},
        ExtensionCase{"./images/abc.JPG", "JPG"}, ExtensionCase{"a.gif", "gif"},
        ExtensionCase{"archive.tar.gz", "gz"}, ExtensionCase{"dir.d/file", "d/file"},
        ExtensionCase{"C:\\KIOSK\\activearrowleft.jpg", "jpg"},
        ExtensionCase{"/start\\radioon.jpg", "jpg"}, ExtensionCase{"C:\\dir.x\\file", ""},
        ExtensionCase{"C:file", ""}, ExtensionCase{"C:.x", "x"}, ExtensionCase{"name.", ""},
        ExtensionCase{"", ""}, ExtensionCase{"k\xE9p.J\xC9G", "J\xC9G"}));

TEST(FileFormatsTest, ProgramListHasTheSevenEntriesInOrder) {
    const auto& entries = FileFormats().Entries();
    ASSERT_EQ(entries.size(), 7u);
    const char* extensions[] = {"wmf", "emf", "ico", "bmp", "jpeg", "jpg", ""};
    const char* descriptions[] = {"Metafiles",       "Enhanced Metafiles", "Icons", "Bitmaps",
                                  "JPEG Image File", "JPEG Image File",    ""};
    const char* classes[] = {"TMetafile",  "TMetafile",  "TIcon",      "TBitmap",
                             "TJPEGImage", "TJPEGImage", "TOleGraphic"};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].extension, extensions[i]) << "entry " << i;
        EXPECT_EQ(entries[i].description, descriptions[i]) << "entry " << i;
        EXPECT_STREQ(entries[i].className, classes[i]) << "entry " << i;
    }
}

TEST(FileFormatsTest, LookupFindsClassesAndComparesExactBytes) {
    const TFileFormat* jpg = FileFormats().Find("jpg");
    ASSERT_NE(jpg, nullptr);
    EXPECT_STREQ(jpg->className, "TJPEGImage");
    const TFileFormat* none = FileFormats().Find("");
    ASSERT_NE(none, nullptr);
    EXPECT_STREQ(none->className, "TOleGraphic");
    // The caller lower-cases; the list itself does not.
    EXPECT_EQ(FileFormats().Find("JPG"), nullptr);
    EXPECT_EQ(FileFormats().Find("gif"), nullptr);
    EXPECT_EQ(FileFormats().Find("jp"), nullptr);
}

TEST(FileFormatsTest, LaterEntryWinsOverEarlierOneWithSameExtension) {
    TFileFormatsList list;
    list.Add("x", "first", "TBitmap", nullptr);
    list.Add("y", "other", "TIcon", nullptr);
    list.Add("x", "second", "TJPEGImage", nullptr);
    ASSERT_NE(list.Find("x"), nullptr);
    EXPECT_EQ(list.Find("x")->description, "second");
    EXPECT_EQ(list.Find("y")->description, "other");
}

} // namespace

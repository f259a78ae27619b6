// The benchmark's catalogue must be one the viewer reads: its entries, pictures and faces.

#include "bench/pictureview/benchcatalogue.h"
#include "catalogue/catalogue.h"
#include "core/cp1250.h"
#include "pictures/jpegreader.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include <gtest/gtest.h>

namespace {

class BenchCatalogueTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::path(testing::TempDir()) /
                  ("bench-catalogue-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // The size in the file's header, or 0 x 0 when it is missing or no JPEG.
    std::pair<int, int> JpegSize(const std::string& relative) const {
        std::ifstream in(folder_ / relative, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        JpegHeader header;
        if (bytes.empty() || ReadJpegHeader(bytes.data(), bytes.size(), header) != 0)
            return {0, 0};
        return {header.width, header.height};
    }

    std::filesystem::path folder_;
};

TEST_F(BenchCatalogueTest, WritesEntriesPicturesAndFacesTheViewerReads) {
    BenchCatalogueLayout layout;
    layout.bigCount = 3;
    layout.bigWidth = 130;
    layout.bigHeight = 90;
    layout.smallCount = 2;
    layout.smallWidth = 40;
    layout.smallHeight = 30;
    const BenchCatalogue written = WriteBenchCatalogue(folder_, layout);

    auto catalogue = std::make_unique<Catalogue>();
    LoadCatalogueFile(*catalogue, (folder_ / CatalogueFileName).string());
    ASSERT_EQ(catalogue->RecordCount, 2);
    const CatalogueRecord& big = catalogue->Record(1);
    const CatalogueRecord& small = catalogue->Record(2);
    EXPECT_EQ(big.Title, Utf8ToCp1250(written.bigTitle).value());
    EXPECT_EQ(small.Title, Utf8ToCp1250(written.smallTitle).value());
    ASSERT_EQ(big.PictureCount, 3);
    ASSERT_EQ(small.PictureCount, 2);
    ASSERT_EQ(written.bigPictures.size(), 3u);
    ASSERT_EQ(written.smallPictures.size(), 2u);
    EXPECT_EQ("images/" + big.MainPicture, written.bigPictures[0]);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ("images/" + big.Picture(i), written.bigPictures[i - 1]);
        EXPECT_EQ(JpegSize(written.bigPictures[i - 1]), std::make_pair(130, 90));
    }
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ("images/" + small.Picture(i), written.smallPictures[i - 1]);
        EXPECT_EQ(JpegSize(written.smallPictures[i - 1]), std::make_pair(40, 30));
    }
    for (const char* arrow : {"activearrowleft.jpg", "inactivearrowleft.jpg",
                              "activearrowright.jpg", "inactivearrowright.jpg"})
        EXPECT_EQ(JpegSize(arrow), std::make_pair(12, 31)) << arrow;
    for (const char* radio : {"radioon.jpg", "radiooff.jpg"})
        EXPECT_EQ(JpegSize(radio), std::make_pair(24, 24)) << radio;
}

TEST_F(BenchCatalogueTest, RefusesAnEntryOfOnePicture) {
    BenchCatalogueLayout layout;
    layout.bigCount = 1;
    EXPECT_THROW(WriteBenchCatalogue(folder_, layout), std::invalid_argument);
    EXPECT_FALSE(std::filesystem::exists(folder_ / CatalogueFileName));
}

} // namespace

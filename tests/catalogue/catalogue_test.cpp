#include "catalogue/catalogue.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(CatalogueRows, MapRowsOnlyToLoadedRecords) {
    auto catalogue = std::make_unique<Catalogue>();
    EXPECT_EQ(catalogue->RecordNumberForRow(0), 0); // all 0 before the first reset

    ResetListIndexMap(*catalogue);
    EXPECT_EQ(catalogue->ListIndexMap[99], 100);
    catalogue->RecordCount = 3;
    catalogue->CatalogueStore[2].Title = "third";
    EXPECT_EQ(catalogue->RecordNumberForRow(0), 1);
    EXPECT_EQ(catalogue->RecordNumberForRow(2), 3);
    EXPECT_EQ(catalogue->RecordForRow(2)->Title, "third");
    for (const int row : {3, 99, 100, -1, 1000}) {
        EXPECT_EQ(catalogue->RecordNumberForRow(row), 0) << row;
        EXPECT_EQ(catalogue->RecordForRow(row), nullptr) << row;
    }

    // Result rows: header rows hold stale values, hit rows name records.
    catalogue->ListIndexMap[2] = 0;
    catalogue->ListIndexMap[3] = 2;
    EXPECT_EQ(catalogue->RecordNumberForRow(2), 0);
    EXPECT_EQ(catalogue->RecordNumberForRow(3), 2);

    // A count beyond the store never lets a row name a record outside it.
    catalogue->RecordCount = 60;
    catalogue->ListIndexMap[4] = 41;
    EXPECT_EQ(catalogue->RecordNumberForRow(4), 0);
}

TEST(CatalogueRows, NumberedAccessStaysInsideTheArrays) {
    auto catalogue = std::make_unique<Catalogue>();
    EXPECT_NO_THROW(catalogue->Record(MaxRecords));
    EXPECT_THROW(catalogue->Record(0), std::out_of_range);
    EXPECT_THROW(catalogue->Record(MaxRecords + 1), std::out_of_range);
    const CatalogueRecord& record = catalogue->Record(1);
    EXPECT_NO_THROW(record.Picture(MaxListLines));
    EXPECT_THROW(record.Picture(0), std::out_of_range);
    EXPECT_THROW(record.IndexLine(MaxListLines + 1), std::out_of_range);
}

} // namespace

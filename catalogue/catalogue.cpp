#include "catalogue/catalogue.h"

#include <stdexcept>

const ShortText& CatalogueRecord::IndexLine(int i) const {
    return IndexLines.at(i - 1);
}

const ShortText& CatalogueRecord::Picture(int i) const {
    return Pictures.at(i - 1);
}

const CatalogueRecord& Catalogue::Record(int k) const {
    return CatalogueStore.at(k - 1);
}

int Catalogue::RecordNumberForRow(int row) const {
    if (row < 0 || row >= ListRows || row < MappedRowsBegin || row >= MappedRowsEnd)
        return 0;
    const int number = ListIndexMap[row];
    const int count = RecordCount < MaxRecords ? RecordCount : MaxRecords;
    return number >= 1 && number <= count ? number : 0;
}

const CatalogueRecord* Catalogue::RecordForRow(int row) const {
    const int number = RecordNumberForRow(row);
    return number == 0 ? nullptr : &CatalogueStore[number - 1];
}

Catalogue& TheCatalogue() {
    static Catalogue catalogue;
    return catalogue;
}

void Catalogue::MapResultRow(int first, int row, int k) {
    if (first < 0 || row < first || row >= ListRows)
        throw std::out_of_range("list row outside the map");
    ListIndexMap[row] = static_cast<std::uint16_t>(k);
    MappedRowsBegin = first;
    MappedRowsEnd = row + 1;
}

void ResetListIndexMap(Catalogue& catalogue) {
    catalogue.MappedRowsBegin = 0;
    catalogue.MappedRowsEnd = ListRows;
    for (int row = 0; row < ListRows; ++row)
        catalogue.ListIndexMap[row] = static_cast<std::uint16_t>(row + 1);
}

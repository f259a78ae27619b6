#include "mainwindow/selectedentry.h"

#include "catalogue/catalogue.h"
#include "mainwindow/viewstate.h"
#include "skin/skin.h"

#include <algorithm>

TitleListSelection::TitleListSelection(const TListBox& list, const TImage& mainImage,
                                       const Catalogue& catalogue, const ViewState& view)
    : list_(list), mainImage_(mainImage), catalogue_(catalogue), view_(view) {}

int TitleListSelection::SelectedRow() const {
    return list_.SelectedRow();
}

int TitleListSelection::RowRecordNumber() const {
    return catalogue_.RecordNumberForRow(SelectedRow());
}

int TitleListSelection::RecordNumber() const {
    if (const int number = RowRecordNumber())
        return number;
    const int shown = view_.ShownRecord;
    return shown >= 1 && shown <= std::min<int>(catalogue_.RecordCount, MaxRecords) ? shown : 0;
}

const CatalogueRecord* TitleListSelection::Record() const {
    const int number = RecordNumber();
    return number == 0 ? nullptr : &catalogue_.Record(number);
}

const TPicture& TitleListSelection::ShownPicture() const {
    return mainImage_.Picture();
}

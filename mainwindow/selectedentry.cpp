#include "mainwindow/selectedentry.h"

#include "catalogue/catalogue.h"
#include "mainwindow/tform1.h"
#include "mainwindow/viewstate.h"
#include "skin/skin.h"

#include <algorithm>

int SelectedRow() {
    return MainForm()->ListBox1->SelectedRow();
}

int RowRecordNumber() {
    return TheCatalogue().RecordNumberForRow(SelectedRow());
}

int SelectedRecordNumber() {
    if (const int number = RowRecordNumber())
        return number;
    const Catalogue& catalogue = TheCatalogue();
    const int shown = View().ShownRecord;
    return shown >= 1 && shown <= std::min<int>(catalogue.RecordCount, MaxRecords) ? shown : 0;
}

const CatalogueRecord* SelectedRecord() {
    const int number = SelectedRecordNumber();
    return number == 0 ? nullptr : &TheCatalogue().Record(number);
}

TImage& MainImage() {
    return *MainForm()->MainImage;
}

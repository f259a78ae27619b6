#include "mainwindow/selectedentry.h"

#include "catalogue/catalogue.h"
#include "mainwindow/tform1.h"
#include "skin/skin.h"

int SelectedRow() {
    return MainForm()->ListBox1->SelectedRow();
}

int SelectedRecordNumber() {
    return TheCatalogue().RecordNumberForRow(SelectedRow());
}

const CatalogueRecord* SelectedRecord() {
    return TheCatalogue().RecordForRow(SelectedRow());
}

TImage& MainImage() {
    return *MainForm()->MainImage;
}

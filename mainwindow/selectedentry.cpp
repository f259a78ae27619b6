#include "selectedentry.h"

#include "catalogue.h"
#include "tform1.h"
#include "tlistbox.h"

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

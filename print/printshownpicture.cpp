#include "print/printshownpicture.h"

#include "catalogue/catalogue.h"
#include "mainwindow/selectedentry.h"
#include "pictures/pictures.h"
#include "print/tform4.h"

void PrintShownPicture(TForm4& page, const SelectedEntry& selected) {
    const CatalogueRecord* record = selected.Record();
    page.QRLabel1().SetCaption(record ? record->Title : std::string());
    page.QRImage1().Picture().Assign(selected.ShownPicture());
    page.QuickRep1().Print();
}

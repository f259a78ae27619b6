#include "printshownpicture.h"

#include "application.h"
#include "catalogue.h"
#include "errors.h"
#include "selectedentry.h"
#include "tform4.h"
#include "timage.h"

void PrintShownPicture() {
    auto* page = dynamic_cast<TForm4*>(Form(4));
    if (!page)
        throw EInvalidOperation("The print page has not been created");
    const CatalogueRecord* record = SelectedRecord();
    page->QRLabel1().SetCaption(record ? record->Title : std::string());
    page->QRImage1().Picture().Assign(MainImage().Picture());
    page->QuickRep1().Print();
}

#include "print/printshownpicture.h"

#include "app/application.h"
#include "catalogue/catalogue.h"
#include "core/errors.h"
#include "mainwindow/selectedentry.h"
#include "pictures/pictures.h"
#include "print/tform4.h"

void PrintShownPicture() {
    auto* page = dynamic_cast<TForm4*>(Form(Window::PrintPage));
    if (!page)
        throw EInvalidOperation("The print page has not been created");
    const CatalogueRecord* record = SelectedRecord();
    page->QRLabel1().SetCaption(record ? record->Title : std::string());
    page->QRImage1().Picture().Assign(MainImage().Picture());
    page->QuickRep1().Print();
}

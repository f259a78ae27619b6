#include "windows/tform5.h"

#include "print/printshownpicture.h"

TForm5::TForm5()
    : TForm(staticMetaObject, Bind(this, {{"Image1Click", &TForm5::Image1Click},
                                          {"Image2Click", &TForm5::Image2Click}})) {}

void TForm5::Image1Click() {
    // A failed print leaves the question open, so it can be answered again.
    PrintShownPicture();
    Close();
}

void TForm5::Image2Click() {
    Close();
}

#include "windows/tform5.h"

#include "core/errors.h"
#include "mainwindow/windowcontext.h"

TForm5::TForm5(const WindowContext& context)
    : TForm(staticMetaObject, Bind(this, {{"Image1Click", &TForm5::Image1Click},
                                          {"Image2Click", &TForm5::Image2Click}})),
      context_(context) {}

void TForm5::Image1Click() {
    // A failed print leaves the question open, so it can be answered again.
    if (!context_.print)
        throw EInvalidOperation("The print page has not been created");
    context_.print();
    Close();
}

void TForm5::Image2Click() {
    Close();
}

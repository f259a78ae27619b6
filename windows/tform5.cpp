#include "windows/tform5.h"

#include "print/printshownpicture.h"

TForm5::TForm5() : TForm5(LoadFormDescription("TForm5")) {}

TForm5::TForm5(const FormDescription& description)
    : TForm(description.className, description.clientSize, description.placement,
            description.position),
      controls_(BuildForm(*this, description,
                          Bind(this, {{"Image1Click", &TForm5::Image1Click},
                                      {"Image2Click", &TForm5::Image2Click}}))) {}

void TForm5::Image1Click() {
    // A failed print leaves the question open, so it can be answered again.
    PrintShownPicture();
    Close();
}

void TForm5::Image2Click() {
    Close();
}

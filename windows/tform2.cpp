#include "windows/tform2.h"

TForm2::TForm2() : TForm2(LoadFormDescription("TForm2")) {}

TForm2::TForm2(const FormDescription& description)
    : TForm(description.className, description.clientSize, description.placement,
            description.position),
      controls_(
          BuildForm(*this, description, Bind(this, {{"Image1Click", &TForm2::Image1Click}}))) {}

void TForm2::Image1Click() {
    Close();
}

#include "windows/tform6.h"

TForm6::TForm6() : TForm6(LoadFormDescription("TForm6")) {}

TForm6::TForm6(const FormDescription& description)
    : TForm(description.className, description.clientSize, description.placement,
            description.position),
      controls_(
          BuildForm(*this, description, Bind(this, {{"Image1Click", &TForm6::Image1Click}}))) {}

void TForm6::Image1Click() {
    Close();
}

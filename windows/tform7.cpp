#include "windows/tform7.h"

TForm7::TForm7() : TForm7(LoadFormDescription("TForm7")) {}

TForm7::TForm7(const FormDescription& description)
    : TForm(description.className, description.clientSize, description.placement,
            description.position),
      controls_(
          BuildForm(*this, description, Bind(this, {{"Image2Click", &TForm7::Image2Click}}))) {}

void TForm7::Image2Click() {
    Close();
}

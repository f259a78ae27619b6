#include "windows/tform7.h"

TForm7::TForm7() : TForm(staticMetaObject, Bind(this, {{"Image2Click", &TForm7::Image2Click}})) {}

void TForm7::Image2Click() {
    Close();
}

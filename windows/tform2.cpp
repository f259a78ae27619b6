#include "windows/tform2.h"

TForm2::TForm2() : TForm(staticMetaObject, Bind(this, {{"Image1Click", &TForm2::Image1Click}})) {}

void TForm2::Image1Click() {
    Close();
}

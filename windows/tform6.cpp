#include "windows/tform6.h"

TForm6::TForm6() : TForm(staticMetaObject, Bind(this, {{"Image1Click", &TForm6::Image1Click}})) {}

void TForm6::Image1Click() {
    Close();
}

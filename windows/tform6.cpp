#include "windows/tform6.h"

#include "skin/skin.h"

TForm6::TForm6() : TForm(staticMetaObject, Bind(this, {{"Image1Click", &TForm6::Image1Click}})) {}

void TForm6::FormShow() {
    LoadOwnBackground({PageKind::Splash, 0}, Controls().Get<TCoolForm>("CoolForm1"));
}

void TForm6::Image1Click() {
    Close();
}

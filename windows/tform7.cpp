#include "windows/tform7.h"

#include "skin/skin.h"

TForm7::TForm7() : TForm(staticMetaObject, Bind(this, {{"Image2Click", &TForm7::Image2Click}})) {}

void TForm7::FormShow() {
    LoadOwnBackground({PageKind::About, 0}, Controls().Get<TCoolForm>("CoolForm1"));
}

void TForm7::Image2Click() {
    Close();
}

#include "windows/tform8.h"

#include "pictures/pictures.h"
#include "skin/skin.h"

namespace {
// Left of a page in view, and a left well past the 789-pixel client width.
constexpr int PageInView = 16;
constexpr int PageOutOfView = 1023;
constexpr int PageTop = 30;
} // namespace

TForm8::TForm8()
    : TForm(staticMetaObject, Bind(this, {{"prevClick", &TForm8::prevClick},
                                          {"okClick", &TForm8::okClick},
                                          {"nextClick", &TForm8::nextClick}})),
      Image1(Controls().Get<TImage>("Image1")), Image2(Controls().Get<TImage>("Image2")) {}

void TForm8::FormShow() {
    LoadOwnPage({PageKind::Introduction, 1}, Image1.Picture());
    LoadOwnPage({PageKind::Introduction, 2}, Image2.Picture());
}

void TForm8::prevClick() {
    Image2.move(PageOutOfView, Image2.y());
    Image1.move(PageInView, PageTop);
}

void TForm8::okClick() {
    Close();
}

void TForm8::nextClick() {
    Image1.move(PageOutOfView, Image1.y());
    Image2.move(PageInView, PageTop);
}

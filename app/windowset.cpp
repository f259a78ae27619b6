#include "app/windowset.h"

#include "app/application.h"
#include "mainwindow/tform1.h"
#include "print/tform4.h"
#include "windows/windows.h"

WindowSet::WindowSet() {
    // In this order; each is built hidden with all its pictures, the first is the main window.
    using Factory = std::unique_ptr<TForm> (*)();
    const Factory factories[8] = {
        [] { return std::unique_ptr<TForm>(std::make_unique<TForm1>()); },
        CreateTForm2,
        CreateTForm3,
        [] { return std::unique_ptr<TForm>(std::make_unique<TForm4>()); },
        CreateTForm5,
        CreateTForm6,
        CreateTForm7,
        CreateTForm8,
    };
    for (int number = 1; number <= 8; ++number) {
        forms_[number - 1] = factories[number - 1]();
        RegisterForm(number, forms_[number - 1].get());
    }
}

WindowSet::~WindowSet() {
    for (int number = 8; number >= 1; --number) {
        RegisterForm(number, nullptr);
        forms_[number - 1].reset();
    }
}

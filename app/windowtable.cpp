#include "app/windowtable.h"

#include "mainwindow/tform1.h"
#include "mainwindow/windowcontext.h"
#include "print/tform4.h"
#include "windows/tform2.h"
#include "windows/tform3.h"
#include "windows/tform5.h"
#include "windows/tform6.h"
#include "windows/tform7.h"
#include "windows/tform8.h"

#include <type_traits>

namespace {

// A window that uses nothing of the others is made without the context.
template <class Form> std::unique_ptr<TForm> Make(const WindowContext& context) {
    if constexpr (std::is_constructible_v<Form, const WindowContext&>)
        return std::make_unique<Form>(context);
    else
        return std::make_unique<Form>();
}

const WindowEntry Table[] = {
    {Window::Main, "TForm1", Make<TForm1>},
    {Window::NoHits, "TForm2", Make<TForm2>},
    {Window::Description, "TForm3", Make<TForm3>},
    {Window::PrintPage, "TForm4", Make<TForm4>},
    {Window::PrintConfirmation, "TForm5", Make<TForm5>},
    {Window::Splash, "TForm6", Make<TForm6>},
    {Window::About, "TForm7", Make<TForm7>},
    {Window::Introduction, "TForm8", Make<TForm8>},
};

} // namespace

std::span<const WindowEntry> WindowTable() {
    return Table;
}

#include "app/windowset.h"

#include "app/windowtable.h"
#include "core/errors.h"
#include "mainwindow/tform1.h"
#include "print/printshownpicture.h"
#include "print/tform4.h"
#include "skin/tform.h"

namespace {
const WindowSet* current = nullptr;
} // namespace

WindowSet::WindowSet() {
    current = this;
    context_.showModal = [this](Window window) {
        TForm* form = Find(window);
        if (!form)
            throw EInvalidOperation("The window has not been created");
        return form->ShowModal();
    };
    context_.print = [this] {
        auto* page = qobject_cast<TForm4*>(Find(Window::PrintPage));
        if (!page || !context_.selected)
            throw EInvalidOperation("The print page has not been created");
        PrintShownPicture(*page, *context_.selected);
    };
    // Each is built hidden with all its pictures; the first is the main window.
    for (const WindowEntry& entry : WindowTable()) {
        forms_.push_back(entry.create(context_));
        if (auto* main = qobject_cast<TForm1*>(forms_.back().get()))
            context_.selected = &main->Selection();
    }
}

WindowSet::~WindowSet() {
    // The windows may still read the context while they go, the main window last.
    for (std::size_t i = forms_.size(); i-- > 0;)
        forms_[i].reset();
    if (current == this)
        current = nullptr;
}

TForm* WindowSet::Find(Window window) const {
    const auto table = WindowTable();
    for (std::size_t i = 0; i < forms_.size() && i < table.size(); ++i) {
        if (table[i].window == window)
            return forms_[i].get();
    }
    return nullptr;
}

TForm* Form(Window window) {
    return current ? current->Find(window) : nullptr;
}

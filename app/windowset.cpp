#include "app/windowset.h"

#include "app/application.h"
#include "app/tform.h"
#include "app/windowtable.h"

WindowSet::WindowSet() {
    // Each is built hidden with all its pictures; the first is the main window.
    for (const WindowEntry& entry : WindowTable()) {
        forms_.push_back(entry.create());
        RegisterForm(entry.window, forms_.back().get());
    }
}

WindowSet::~WindowSet() {
    for (std::size_t i = forms_.size(); i-- > 0;) {
        RegisterForm(WindowTable()[i].window, nullptr);
        forms_[i].reset();
    }
}

#pragma once
// The program's windows, created hidden in the window table's order at start-up and released
// at exit in the reverse order. The set fills the context every window is handed.

#include "mainwindow/window.h"
#include "mainwindow/windowcontext.h"

#include <memory>
#include <vector>

class TForm;

class WindowSet {
public:
    WindowSet();
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // The window of that number; null when the table has none.
    TForm* Find(Window window) const;

private:
    WindowContext context_;
    std::vector<std::unique_ptr<TForm>> forms_;
};

// The window of that number in the set that lives now: null before the set is built, after it
// is released, and while it is being built for the windows not yet made. For main and the tests
// that drive the program whole; the windows themselves reach each other through their context.
TForm* Form(Window window);

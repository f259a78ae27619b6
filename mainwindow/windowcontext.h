#pragma once
// What a window of the set may use of the others. The window set fills it: the entry the user is
// looking at once the main window exists, the print of the shown picture, and the way to show
// another window. Windows keep a reference and read it when they act, never while being built.

#include "mainwindow/window.h"

#include <functional>

class SelectedEntry;

struct WindowContext {
    // Null until the main window exists.
    const SelectedEntry* selected = nullptr;
    // Prints the shown picture with the selected entry's title.
    std::function<void()> print;
    // Shows the window modally and returns its modal result.
    std::function<int(Window)> showModal;
};

// Shows the windows of the set by number: a part a window binds its handlers to.
class WindowOpener {
public:
    explicit WindowOpener(const WindowContext& context) : context_(context) {}
    void Show(Window window) { context_.showModal(window); }

private:
    const WindowContext& context_;
};

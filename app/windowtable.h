#pragma once
// The program's windows in one table: for each its number, its class and how to make it. The
// class names its description too (forms/<class>.json), which the window loads itself.

#include "app/window.h"

#include <memory>
#include <span>

class TForm;

struct WindowEntry {
    Window window;
    const char* className;
    std::unique_ptr<TForm> (*create)();
};

// In the order the windows are built at start-up, the main window first.
std::span<const WindowEntry> WindowTable();

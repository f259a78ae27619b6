#pragma once
// The program's windows in one table: for each its number, its class and how to make it. The
// class names its description too (forms/<class>.json), which the window loads itself.

#include "mainwindow/window.h"

#include <memory>
#include <span>

class TForm;
struct WindowContext;

struct WindowEntry {
    Window window;
    const char* className;
    // The window keeps the context and reads it when it acts.
    std::unique_ptr<TForm> (*create)(const WindowContext& context);
};

// In the order the windows are built at start-up, the main window first.
std::span<const WindowEntry> WindowTable();

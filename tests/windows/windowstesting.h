#pragma once
// What the window tests share: a window context whose selected entry and print are stand-ins,
// and a way to run a window modally while the test acts on it.

#include "mainwindow/windowcontext.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>

class QWidget;
class TForm;

namespace fake {
// The title list's selected row as the description window reads it.
extern int selectedRow;
// Calls of the context's print, and whether it fails with EPrinter.
extern int printCalls;
extern bool printFails;
} // namespace fake

// The context the windows are handed in the tests: the selected entry is the record behind
// fake::selectedRow, the print counts its calls.
const WindowContext& FakeContext();

// A window as the window table makes it, with the fake context where the class takes one.
template <class Form> std::unique_ptr<TForm> Make() {
    if constexpr (std::is_constructible_v<Form, const WindowContext&>)
        return std::make_unique<Form>(FakeContext());
    else
        return std::make_unique<Form>();
}

struct ModalRun {
    int result = 0;
    // True when the window was still open after the test acted and had to be closed for it.
    bool leftOpen = false;
};

// Shows the window modally, runs whileOpen inside its modal loop, then waits up to
// settleMs for the window to close by itself before closing it.
ModalRun RunModal(TForm& form, const std::function<void()>& whileOpen, int settleMs = 300);

// The window's control of that name as a plain widget (fails the test when there is none).
QWidget& ControlOf(TForm& form, const QString& name);

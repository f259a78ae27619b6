#pragma once
// What the window tests share: the stand-ins for the selected entry and the print, and a way
// to run a window modally while the test acts on it.

#include <QPoint>
#include <QString>
#include <functional>
#include <string>

class QWidget;
class TForm;

namespace fake {
// The title list's selected row as the description window reads it.
extern int selectedRow;
// Calls of PrintShownPicture, and whether it fails with EPrinter.
extern int printCalls;
extern bool printFails;
} // namespace fake

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

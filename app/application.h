#pragma once
// The application object's program-wide settings and the fixed window set.

#include "app/throwawaysettings.h"
#include "app/window.h"

#include <QApplication>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

class TForm;

// The application object. Whatever escapes an event handler of any widget ends in the error
// report instead of unwinding through the event loop. Whatever Qt keeps in settings lives
// only as long as the application object.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    ThrowawaySettings settings_;
};

// The title from the program file's path: drop everything up to the last separator, cut at
// the first ".", lower-case every character after the first.
std::string TitleFromProgramPath(std::string_view path);

// The title the whole program shows (caption of message boxes and the taskbar entry).
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

// Tooltips rest 500 ms before showing, stay 2500 ms, and move at once to the next control.
void InstallTooltipTiming(QApplication& application);

// What the main window's close does instead of ending the program (a kiosk returns to its
// start); without one set, the close ends the program.
void SetMainWindowCloseAction(std::function<void()> action);
const std::function<void()>& MainWindowCloseAction();

// The window set; null before the window is created.
TForm* Form(Window window);
void RegisterForm(Window window, TForm* form);

// A modal dialog of the program's own: caption the title, no icon, the text, one "OK" button.
void PlainMessage(const QString& text);

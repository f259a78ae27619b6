#pragma once
// The application object and the program's title.

#include "shell/applicationtitle.h"
#include "shell/throwawaysettings.h"

#include <QApplication>
#include <QString>
#include <string>
#include <string_view>

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

// Tooltips rest 500 ms before showing, stay 2500 ms, and move at once to the next control.
void InstallTooltipTiming(QApplication& application);

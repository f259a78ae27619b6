// The program: builds the window set, shows the main window, runs the event loop.

#include "app/windowset.h"
#include "shell/shell.h"
#include "skin/tform.h"

int main(int argc, char** argv) {
    PreferX11OnWayland();
    TApplication application(argc, argv);
    SetApplicationTitle(QString::fromStdString(
        TitleFromProgramPath(QCoreApplication::applicationFilePath().toStdString())));
    InstallTooltipTiming(application);
    InstallFocusWithoutWindowManager(application);

    WindowSet windows;
    // Runs the main window's show handler (splash, introduction, catalogue) before it appears.
    windows.Find(Window::Main)->Show();
    application.exec();
    return 0;
}

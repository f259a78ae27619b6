// The program: builds the window set, shows the main window, runs the event loop.

#include "app/application.h"
#include "app/sessionplatform.h"
#include "app/tform.h"
#include "app/windowfocus.h"
#include "app/windowset.h"

int main(int argc, char** argv) {
    PreferX11OnWayland();
    TApplication application(argc, argv);
    SetApplicationTitle(QString::fromStdString(
        TitleFromProgramPath(QCoreApplication::applicationFilePath().toStdString())));
    InstallTooltipTiming(application);
    InstallFocusWithoutWindowManager(application);

    WindowSet windows;
    // Runs the main window's show handler (splash, introduction, catalogue) before it appears.
    Form(Window::Main)->Show();
    application.exec();
    return 0;
}

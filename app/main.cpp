// The program: reads its options, builds the window set, shows the main window, runs the event
// loop.

#include "app/windowset.h"
#include "app/windowtable.h"
#include "kiosk/kiosk.h"
#include "shell/shell.h"
#include "skin/tform.h"

#include <cstdio>

int main(int argc, char** argv) {
    const CommandLine commandLine = ParseCommandLine({argv, argv + argc});
    if (commandLine.help) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    if (!commandLine.error.empty()) {
        std::fprintf(stderr, "vendral: %s\n", commandLine.error.c_str());
        return 2;
    }
    PreferX11OnWayland();
    UseOnlyARunningSessionBus();
    std::unique_ptr<HangGuard> guard;
    if (commandLine.kiosk) {
        std::vector<KioskWindow> windowClasses;
        for (const WindowEntry& entry : WindowTable())
            windowClasses.push_back({entry.window, entry.className});
        guard = PrepareKiosk(commandLine, windowClasses);
    }

    // The toolkit sees its own options only.
    std::vector<std::string> toolkitArguments = commandLine.toolkitArguments;
    std::vector<char*> toolkitArgv;
    for (std::string& argument : toolkitArguments)
        toolkitArgv.push_back(argument.data());
    toolkitArgv.push_back(nullptr);
    int toolkitArgc = static_cast<int>(toolkitArguments.size());
    TApplication application(toolkitArgc, toolkitArgv.data());
    SetApplicationTitle(QString::fromStdString(
        TitleFromProgramPath(QCoreApplication::applicationFilePath().toStdString())));
    InstallTooltipTiming(application);
    InstallFocusWithoutWindowManager(application);

    WindowSet windows;
    StopSignals stopSignals;
    std::unique_ptr<Kiosk> kiosk;
    if (commandLine.kiosk)
        kiosk = std::make_unique<Kiosk>(commandLine, std::move(guard),
                                        [&windows](Window window) { return windows.Find(window); });
    // Runs the main window's show handler (splash, introduction, catalogue) before it appears.
    windows.Find(Window::Main)->Show();
    application.exec();
    return 0;
}

#pragma once
// The kiosk mode: the program running unattended for visitors (vendral --kiosk).
//
// commandline  the options and --help
// sessionbus   no session bus launched for the program, a running one used
// scalechoice, screensize  the scale that fills the screen, chosen before the toolkit starts
// hangguard, heartbeat     the watchdog: systemd's (readiness, pings) or a guard process
// stopsignals  SIGTERM and SIGINT end the program cleanly (in every mode)
// idlereturn, cataloguewatch, windowsunwind  the return to the start, a new catalogue with it
// stripswipe   paging the strip by a swipe on a touch screen

#include "kiosk/commandline.h"
#include "kiosk/hangguard.h"
#include "kiosk/sessionbus.h"
#include "kiosk/stopsignals.h"
#include "mainwindow/window.h"

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class Heartbeat;
class IdleReturn;
class TForm;

// A window of the set by its number and class (whose description gives its size).
struct KioskWindow {
    Window window;
    const char* className;
};

// Before the application object: the scale factor at which the windows fit the screen, and the
// hang guard where no service manager watches the program (null then).
std::unique_ptr<HangGuard> PrepareKiosk(const CommandLine& commandLine,
                                        const std::vector<KioskWindow>& windows);

// After the window set is built, before the main window is shown.
class Kiosk : public QObject {
public:
    // find: the window set's window of a number.
    Kiosk(const CommandLine& commandLine, std::unique_ptr<HangGuard> guard,
          std::function<TForm*(Window)> find);
    ~Kiosk() override;

private:
    Heartbeat* heartbeat_;
    IdleReturn* idleReturn_;
    TForm* main_;
};

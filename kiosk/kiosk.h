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

#include <QObject>
#include <memory>

class Heartbeat;
class IdleReturn;

// Before the application object: the scale factor, and the hang guard where no service
// manager watches the program (null then).
std::unique_ptr<HangGuard> PrepareKiosk(const CommandLine& commandLine);

// After the window set is built, before the main window is shown.
class Kiosk : public QObject {
public:
    Kiosk(const CommandLine& commandLine, std::unique_ptr<HangGuard> guard);
    ~Kiosk() override;

private:
    Heartbeat* heartbeat_;
    IdleReturn* idleReturn_;
};

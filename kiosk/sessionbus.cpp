#include "kiosk/sessionbus.h"

#include <cstdlib>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>

void UseOnlyARunningSessionBus() {
    const char* named = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (named && *named)
        return;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) {
        const std::string socketPath = std::string(runtime) + "/bus";
        struct stat status {};
        if (stat(socketPath.c_str(), &status) == 0 && S_ISSOCK(status.st_mode)) {
            setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + socketPath).c_str(), 1);
            return;
        }
    }
    // The D-Bus library's own word for "no session bus": it connects nowhere and starts
    // nothing.
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

#include "shell/sessionplatform.h"

#include <QByteArray>
#include <QtGlobal>

void PreferX11OnWayland() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    const bool wayland =
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
    if (wayland)
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

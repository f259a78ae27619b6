#include "shell/throwawaysettings.h"

#include <QSettings>

ThrowawaySettings::ThrowawaySettings() : folder_(QDir::tempPath() + "/vendral-settings-XXXXXX") {
    // Where no folder can be made, a path below a device file: nothing can be read or written
    // there.
    const QString path = folder_.isValid() ? folder_.path() : QStringLiteral("/dev/null/settings");
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, path);
        QSettings::setPath(format, QSettings::SystemScope, path);
    }
}

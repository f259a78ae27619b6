#pragma once
// The program reads and writes no settings. Qt's own classes do (the file dialog keeps its
// history in the user's QtProject.conf and reads it back), so every settings path of the
// process points into a folder of the program's own that is removed at exit. Create it before
// any window is built.

#include <QTemporaryDir>

class ThrowawaySettings {
public:
    ThrowawaySettings();

private:
    QTemporaryDir folder_;
};

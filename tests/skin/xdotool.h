#pragma once
// The real pointer and keyboard of the X server, driven through xdotool, for the tests that
// need the window system's own events (shapes, grabs, window moves, focus).

#include <QPoint>
#include <QStringList>

// Runs xdotool with the arguments, then lets the application handle what it caused. The
// result is what xdotool printed.
QString XdoTool(const QStringList& arguments);

void PointerTo(QPoint screenPosition);
// Press at from, move to to in a few steps, release there.
void Drag(QPoint from, QPoint to, int button = 1);
void ClickAt(QPoint screenPosition, int button = 1);

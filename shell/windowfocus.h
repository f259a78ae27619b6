#pragma once
// Keyboard focus where no window manager hands it out (a bare X session started by xinit):
// a window that appears asks for the keyboard itself, and when one goes away the window
// below it (the modal one still up, else the one active before) gets it back, so Qt's own
// rules decide which control holds it. With a window manager nothing is done.

class QApplication;

void InstallFocusWithoutWindowManager(QApplication& application);

// False only on an X server whose root window announces no window manager.
bool WindowManagerRunning();

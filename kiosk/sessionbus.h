#pragma once
// The session bus. With no bus named in DBUS_SESSION_BUS_ADDRESS the D-Bus library would
// launch one of its own on an X server (dbus-x11's dbus-launch): a daemon that outlives the
// program and a folder in HOME, from a program that writes nothing. So a bus that runs (the
// user's bus socket in XDG_RUNTIME_DIR, which systemd and a desktop provide) is named, and
// where none runs the bus is switched off; a bus already named is used as it is, so a screen
// reader keeps reaching the program. Runs before the application object is created.
void UseOnlyARunningSessionBus();

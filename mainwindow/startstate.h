#pragma once
// The main window as start-up leaves it: the full title list with row 0 selected and its
// entry shown, the strip on its first page, an empty search box and search mode 1.

bool MainWindowAtStart();
// Puts the main window back there (through the same steps as start-up, so a failure, such as
// a missing picture, raises what it raises at start-up).
void ReturnMainWindowToStart();

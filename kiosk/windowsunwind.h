#pragma once
// Letting go of whatever is open over the main window, one window at a time from the top: a
// popup (a menu, a completion list), then the modal window or dialog, whose own loop ends and
// returns to the handler that opened it. Call again until it returns false.
bool CloseTopWindow();

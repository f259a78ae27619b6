#pragma once
// What the command line asks for. Without --kiosk the program runs as it always has; every
// other option of ours belongs to the kiosk mode. Options starting with a single dash are the
// toolkit's (-platform, -display) and are left for it.

#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    bool kiosk = false;
    // Seconds without a key, click or touch before the start comes back.
    int idleSeconds = 90;
    // Folders a save may go to; empty means the removable media mounted under /media and
    // /run/media.
    std::vector<std::string> saveFolders;
    bool noSave = false;
    // Seconds the window may go without an event-loop tick before the process is ended.
    int hangLimitSeconds = 20;
    // The scale factor asked for; without it the largest that fits the screen.
    std::optional<double> scale;
    bool touch = false;

    bool help = false;
    // Set when the command line cannot be used; says why, for the user.
    std::string error;
    // What is left for the toolkit, the program's name first.
    std::vector<std::string> toolkitArguments;
};

// arguments[0] is the program's name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text of --help.
std::string UsageText();

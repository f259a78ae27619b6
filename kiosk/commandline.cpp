#include "kiosk/commandline.h"

#include <charconv>
#include <cmath>

namespace {
constexpr int MaxSeconds = 24 * 60 * 60;

std::optional<int> WholeSeconds(const std::string& text, int least) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    if (failure != std::errc() || stop != end || value < least || value > MaxSeconds)
        return std::nullopt;
    return value;
}

std::optional<double> Factor(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    // Beyond 8 a window of the program no longer fits any screen made.
    if (failure != std::errc() || stop != end || !std::isfinite(value) || value < 0.25 || value > 8)
        return std::nullopt;
    return value;
}
} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    if (!arguments.empty())
        line.toolkitArguments.push_back(arguments.front());
    bool kioskOnly = false;
    std::string firstKioskOption;
    auto fail = [&line](std::string why) {
        if (line.error.empty())
            line.error = std::move(why);
    };
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option.rfind("--", 0) != 0) {
            line.toolkitArguments.push_back(option);
            continue;
        }
        // --name=value and --name value both work.
        std::string name = option;
        std::optional<std::string> value;
        if (const auto equals = option.find('='); equals != std::string::npos) {
            name = option.substr(0, equals);
            value = option.substr(equals + 1);
        }
        auto takeValue = [&]() -> std::optional<std::string> {
            if (value)
                return value;
            if (i + 1 < arguments.size())
                return arguments[++i];
            fail(name + " needs a value");
            return std::nullopt;
        };
        auto noteKioskOnly = [&] {
            if (!kioskOnly)
                firstKioskOption = name;
            kioskOnly = true;
        };
        if (name == "--help" || name == "-h") {
            line.help = true;
        } else if (name == "--kiosk") {
            line.kiosk = true;
        } else if (name == "--touch") {
            line.touch = true;
            noteKioskOnly();
        } else if (name == "--no-save") {
            line.noSave = true;
            noteKioskOnly();
        } else if (name == "--idle") {
            noteKioskOnly();
            if (const auto text = takeValue()) {
                if (const auto seconds = WholeSeconds(*text, 1))
                    line.idleSeconds = *seconds;
                else
                    fail("--idle takes whole seconds from 1 to 86400, not \"" + *text + "\"");
            }
        } else if (name == "--hang-limit") {
            noteKioskOnly();
            if (const auto text = takeValue()) {
                if (const auto seconds = WholeSeconds(*text, 2))
                    line.hangLimitSeconds = *seconds;
                else
                    fail("--hang-limit takes whole seconds from 2 to 86400, not \"" + *text + "\"");
            }
        } else if (name == "--scale") {
            noteKioskOnly();
            if (const auto text = takeValue()) {
                if (const auto factor = Factor(*text))
                    line.scale = *factor;
                else
                    fail("--scale takes a factor from 0.25 to 8, not \"" + *text + "\"");
            }
        } else if (name == "--save-to") {
            noteKioskOnly();
            if (const auto text = takeValue()) {
                if (text->empty() || text->front() != '/')
                    fail("--save-to needs a folder's full path, not \"" + *text + "\"");
                else
                    line.saveFolders.push_back(*text);
            }
        } else {
            fail("unknown option " + name + " (see --help)");
        }
    }
    if (kioskOnly && !line.kiosk)
        fail(firstKioskOption + " belongs to the kiosk mode: add --kiosk");
    if (line.noSave && !line.saveFolders.empty())
        fail("--no-save and --save-to exclude each other");
    return line;
}

std::string UsageText() {
    return R"(Usage: vendral [--kiosk [KIOSK OPTIONS]]

Shows the picture catalogue of the current folder (datas.dat, images/ and the face pictures).

  --help               this text
  --kiosk              run unattended for visitors: the start comes back after a pause, the
                       close cross returns to the start, saving is locked down, the windows
                       are scaled to fill the screen and a frozen window ends the program

Kiosk options:
  --idle SECONDS       seconds without a key, click or touch before every open window closes
                       and the start comes back, with a changed catalogue read again
                       (default 90)
  --save-to DIR        a folder saving may use (repeatable); without it, removable media
                       mounted under /media and /run/media
  --no-save            no saving at all
  --hang-limit SECONDS end the program when its window has not answered for this long, so
                       the session starts it again (default 20; under systemd the unit's
                       WatchdogSec= does this instead)
  --scale FACTOR       scale every window by FACTOR (0.25 to 8) instead of the largest step
                       of 0.25 at which the windows fit the screen
  --touch              for a touch screen: no pointer is drawn, a sideways swipe across the
                       thumbnail strip pages it

Options with one dash (-platform, -display) are the toolkit's.
)";
}

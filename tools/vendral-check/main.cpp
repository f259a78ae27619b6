// vendral-check [--json] [DIR]: loads DIR/datas.dat as the viewer does and lists what the
// viewer would fail on.

#include "tools/vendral-check/check.h"
#include "tools/vendral-check/output.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <string>

namespace {

constexpr const char* Usage =
    "usage: vendral-check [--json] [DIR]\n"
    "Loads DIR/datas.dat (DIR defaults to \".\") as the viewer does, prints its entries or the\n"
    "error the viewer would show, and lists the pictures under DIR/images and the face files\n"
    "in DIR that cannot be found, and names the colour space of each picture found (untagged,\n"
    "sRGB, Adobe RGB (1998), ..., or \"profile not usable\"). After an error the entries are\n"
    "those the store holds, the last one as far as it was read. Then it lists the pages\n"
    "DIR/pages brings in place of the built-in ones, and flags a page of a size its window\n"
    "cannot use.\n"
    "Exit status: 0 all well, 1 files missing or a page of the wrong size, 2 the catalogue\n"
    "does not load, 3 bad usage.\n";

constexpr int CatalogueFails = 2;
constexpr int BadUsage = 3;

} // namespace

int main(int argc, char** argv) {
    bool json = false;
    std::string folder = ".";
    bool folderGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--json") {
            json = true;
        } else if (argument == "--help" || argument == "-h") {
            std::fputs(Usage, stdout);
            return 0;
        } else if (argument.size() > 1 && argument[0] == '-') {
            std::fprintf(stderr, "vendral-check: unknown option %s\n%s", argv[i], Usage);
            return BadUsage;
        } else if (folderGiven) {
            std::fprintf(stderr, "vendral-check: more than one folder given\n%s", Usage);
            return BadUsage;
        } else {
            folder = argument;
            folderGiven = true;
        }
    }

    // Whatever the folder holds, the check ends with a message and a status, never a crash.
    try {
        const CheckResult result = CheckFolder(folder);
        const std::string report = json ? JsonReport(result) : TextReport(result);
        std::fwrite(report.data(), 1, report.size(), stdout);
        return ExitCode(result);
    } catch (const std::bad_alloc&) {
        std::fputs("vendral-check: out of memory\n", stderr);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "vendral-check: %s\n", failure.what());
    } catch (...) {
        std::fputs("vendral-check: unknown failure\n", stderr);
    }
    return CatalogueFails;
}

// vendral-make: builds a catalogue folder from a source that staff edit, and back.

#include "tools/make/commands.h"

#include <QGuiApplication>

#include <cstdio>
#include <string>

namespace {

constexpr const char* Usage =
    "usage: vendral-make build [--force] [--quiet] SOURCE-DIR CATALOGUE-DIR\n"
    "       vendral-make import [--force] [--quiet] CATALOGUE-DIR SOURCE-DIR\n"
    "build:  reads SOURCE-DIR/catalogue.txt (UTF-8) and the pictures in SOURCE-DIR/images and\n"
    "        writes CATALOGUE-DIR: datas.dat, images/ (JPEGs that fit 529 x 450) and the six\n"
    "        face files (SOURCE-DIR's own when it has them). A \"picture as is:\" line copies\n"
    "        its JPEG unchanged, even one larger than the frame. Nothing is written while the\n"
    "        source has problems; each is reported with its line.\n"
    "import: writes SOURCE-DIR from an existing catalogue folder.\n"
    "--force replaces an existing target folder; --quiet prints nothing but problems.\n"
    "Exit status: 0 written, 1 problems found, 2 bad arguments.\n";

QtMessageHandler QtDefault = nullptr;

} // namespace

int main(int argc, char** argv) {
    // Picture format plugins are found through the application object; setting the pages'
    // text needs fonts, and so a (screenless) GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Where no login session made a runtime folder (cron, a root shell), Qt says so on every
    // start; the tool uses none, so that remark would only hide the tool's own messages.
    QtDefault = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.startsWith(QLatin1String("QStandardPaths:")))
                QtDefault(type, context, message);
        });
    QGuiApplication application(argc, argv);
    if (argc >= 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::fputs(Usage, stdout);
        return Written;
    }
    CommandOptions options;
    std::vector<std::string> folders;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--force") {
            options.force = true;
        } else if (argument == "--quiet") {
            options.quiet = true;
        } else if (argument.starts_with("-")) {
            std::fprintf(stderr, "vendral-make: unknown option %s\n%s", argv[i], Usage);
            return BadArguments;
        } else {
            folders.push_back(argument);
        }
    }
    const std::string command = argc >= 2 ? argv[1] : "";
    if ((command != "build" && command != "import") || folders.size() != 2) {
        std::fputs(Usage, stderr);
        return BadArguments;
    }
    options.from = folders[0];
    options.to = folders[1];
    return command == "build" ? RunBuild(options) : RunImport(options);
}

// Paints every built-in picture of the windows and the demo catalogue. Run by hand when the
// artwork changes; its output is committed, so normal builds never run it.

#include "tools/artwork/appicon.h"
#include "tools/artwork/demo.h"
#include "tools/artwork/lettering.h"
#include "tools/artwork/pictures.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    // Painting needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Paints the window artwork and the demo catalogue.");
    parser.addHelpOption();
    parser.addOption({"no-demo", "Write only the built-in pictures, not the demo's source."});
    parser.addPositionalArgument(
        "root", "The source tree: writes assets/pictures, packaging/icons, demo-source and "
                "tools/make/faces.");
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    const QString root = parser.positionalArguments().first();

    if (!LoadArtworkFonts()) {
        std::fprintf(stderr, "vendral-artwork: EB Garamond not found (fonts-ebgaramond)\n");
        return 1;
    }
    try {
        WriteBuiltInPictures(root + "/assets/pictures");
        WriteAppIcons(root + "/packaging/icons");
        if (!parser.isSet("no-demo"))
            WriteDemo(root);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vendral-artwork: %s\n", error.what());
        return 1;
    }
    return 0;
}

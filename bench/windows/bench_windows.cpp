// Prints what building the secondary windows from their descriptions costs at start-up, and
// what the description window's first showing of a page costs (the page decodes when drawn).
// Run it by hand: QT_QPA_PLATFORM=offscreen bench_windows. It prints; it never fails.
#include "app/tform.h"
#include "catalogue/catalogue.h"
#include "tests/windows/windowstesting.h"
#include "windows/tform3.h"
#include "windows/windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    constexpr int rounds = 20;
    const std::pair<const char*, std::unique_ptr<TForm> (*)()> windows[] = {
        {"TForm2", CreateTForm2}, {"TForm3", CreateTForm3}, {"TForm5", CreateTForm5},
        {"TForm6", CreateTForm6}, {"TForm7", CreateTForm7}, {"TForm8", CreateTForm8}};
    double total = 0;
    for (const auto& [name, create] : windows) {
        QElapsedTimer clock;
        clock.start();
        for (int round = 0; round < rounds; ++round)
            create();
        const double each = clock.nsecsElapsed() / 1e6 / rounds;
        total += each;
        std::printf("build %s: %.2f ms\n", name, each);
    }
    std::printf("build all six: %.2f ms\n", total);

    TheCatalogue().RecordCount = 15;
    ResetListIndexMap(TheCatalogue());
    for (int row : {0, 2, 9}) {
        TForm3 description;
        fake::selectedRow = row;
        QElapsedTimer clock;
        clock.start();
        RunModal(
            description, [&] { description.grab(); }, 0);
        std::printf("first showing of page %d, drawn once: %.2f ms\n", row + 1,
                    clock.nsecsElapsed() / 1e6);
    }
    return 0;
}

// Prints what building each window of the window table from its description costs at
// start-up, and what the description window's first showing of a page costs (the page decodes
// when drawn). bench/run runs it on Qt's offscreen platform. It prints; it never fails.

#include "app/windowtable.h"
#include "catalogue/catalogue.h"
#include "skin/tform.h"
#include "tests/windows/windowstesting.h"
#include "windows/tform3.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    constexpr int rounds = 20;
    double total = 0;
    for (const WindowEntry& entry : WindowTable()) {
        QElapsedTimer clock;
        clock.start();
        for (int round = 0; round < rounds; ++round)
            entry.create(FakeContext());
        const double each = clock.nsecsElapsed() / 1e6 / rounds;
        total += each;
        std::printf("build %s: %.2f ms\n", entry.className, each);
    }
    std::printf("build all %zu: %.2f ms\n", WindowTable().size(), total);

    TheCatalogue().RecordCount = 15;
    ResetListIndexMap(TheCatalogue());
    for (int row : {0, 2, 9}) {
        TForm3 description(FakeContext());
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

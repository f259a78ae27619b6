// Prints what building the secondary windows from their descriptions costs at start-up, and
// what the description window's first showing of a page costs (the page decodes when drawn).
// bench/run runs it on Qt's offscreen platform. It prints; it never fails.

#include "app/tform.h"
#include "catalogue/catalogue.h"
#include "tests/windows/windowstesting.h"
#include "windows/tform2.h"
#include "windows/tform3.h"
#include "windows/tform5.h"
#include "windows/tform6.h"
#include "windows/tform7.h"
#include "windows/tform8.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {
template <class Form> std::unique_ptr<TForm> Make() {
    return std::make_unique<Form>();
}
} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    constexpr int rounds = 20;
    const std::pair<const char*, std::unique_ptr<TForm> (*)()> windows[] = {
        {"TForm2", Make<TForm2>}, {"TForm3", Make<TForm3>}, {"TForm5", Make<TForm5>},
        {"TForm6", Make<TForm6>}, {"TForm7", Make<TForm7>}, {"TForm8", Make<TForm8>}};
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

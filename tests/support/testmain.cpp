// The main of every test that needs the application object. Listing the tests needs none, so
// they can be gathered at build time without a display; running them uses the platform the
// test's environment names, the offscreen one when it names none.

#include "shell/application.h"

#include <gtest/gtest.h>
#include <memory>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own application object, so that whatever escapes a handler is reported.
    TApplication application(argc, argv);
    SetApplicationTitle(QStringLiteral("Vendral"));
    return RUN_ALL_TESTS();
}

// A main for the tests that need the application object. Listing the tests needs none, so
// the tests can be discovered at build time without a display.
#include <QApplication>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QApplication> application;
    if (!testing::GTEST_FLAG(list_tests))
        application = std::make_unique<QApplication>(argc, argv);
    return RUN_ALL_TESTS();
}

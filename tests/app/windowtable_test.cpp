// The window table drives the window set: each row's number, class and description agree, and
// the set registers every window under its number for as long as it lives.

#include "app/application.h"
#include "app/tform.h"
#include "app/windowset.h"
#include "app/windowtable.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowTable, EachRowMakesItsClassBuiltFromItsDescription) {
    int number = 0;
    for (const WindowEntry& entry : WindowTable()) {
        EXPECT_EQ(static_cast<int>(entry.window), ++number) << entry.className;
        const std::unique_ptr<TForm> form = entry.create();
        EXPECT_STREQ(form->metaObject()->className(), entry.className);
        EXPECT_EQ(form->objectName(), entry.className);
        EXPECT_EQ(form->Description().className, entry.className);
        EXPECT_TRUE(form->isHidden()) << entry.className;
    }
}

TEST(WindowTable, TheSetRegistersEveryWindowUnderItsNumberWhileItLives) {
    {
        WindowSet windows;
        for (const WindowEntry& entry : WindowTable()) {
            ASSERT_NE(Form(entry.window), nullptr) << entry.className;
            EXPECT_STREQ(Form(entry.window)->metaObject()->className(), entry.className);
        }
    }
    for (const WindowEntry& entry : WindowTable())
        EXPECT_EQ(Form(entry.window), nullptr) << entry.className;
}

} // namespace

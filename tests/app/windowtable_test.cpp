// The window table drives the window set: each row's number, class and description agree, and
// the set registers every window under its number for as long as it lives.

#include "app/windowset.h"
#include "app/windowtable.h"
#include "mainwindow/tform1.h"
#include "mainwindow/windowcontext.h"
#include "pictures/pictures.h"
#include "shell/application.h"
#include "skin/skin.h"
#include "skin/tform.h"

#include <QAccessible>
#include <gtest/gtest.h>

namespace {

TEST(WindowTable, EachRowMakesItsClassBuiltFromItsDescription) {
    int number = 0;
    for (const WindowEntry& entry : WindowTable()) {
        EXPECT_EQ(static_cast<int>(entry.window), ++number) << entry.className;
        const WindowContext context;
        const std::unique_ptr<TForm> form = entry.create(context);
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

TEST(WindowSet, EveryClickAreaIsANamedButtonThatTakesNoFocus) {
    WindowSet windows;
    auto accessible = [](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); };
    int clickAreas = 0;
    int describedClickAreas = 0;
    for (const WindowEntry& entry : WindowTable()) {
        for (const ControlDescription& control : Form(entry.window)->Description().controls)
            describedClickAreas += control.className == "TImage" && control.raw.contains("OnClick");
        for (TImage* image : Form(entry.window)->findChildren<TImage*>()) {
            if (!image->OnClick)
                continue;
            ++clickAreas;
            const std::string where = entry.className + ("." + image->objectName().toStdString());
            EXPECT_EQ(accessible(image)->role(), QAccessible::Button) << where;
            EXPECT_FALSE(accessible(image)->text(QAccessible::Name).isEmpty()) << where;
            EXPECT_EQ(image->focusPolicy(), Qt::NoFocus) << where;
        }
    }
    EXPECT_EQ(clickAreas, describedClickAreas);
    EXPECT_FALSE(accessible(static_cast<TForm1*>(Form(Window::Main))->ListBox1)
                     ->text(QAccessible::Name)
                     .isEmpty());
    EXPECT_FALSE(accessible(static_cast<TForm1*>(Form(Window::Main))->Edit1)
                     ->text(QAccessible::Name)
                     .isEmpty());

    // Pressing through the accessibility layer runs the click handler: the next page.
    TForm& introduction = *Form(Window::Introduction);
    accessible(introduction.findChild<TImage*>("next"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(introduction.findChild<TImage*>("Image2")->x(), 16);
}

} // namespace

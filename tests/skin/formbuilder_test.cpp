#include "core/errors.h"
#include "pictures/pictures.h"
#include "skin/formbuilder.h"
#include "skin/skin.h"
#include "skin/tbutton.h"
#include "skin/tcoolform.h"
#include "skin/tedit.h"
#include "skin/tlabel.h"
#include "skin/tlistbox.h"
#include "skin/ttimer.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

const char* kWindow = R"({
  "class": "TFormB", "clientWidth": 360, "clientHeight": 143, "borderStyle": "bsNone",
  "controls": [
    { "name": "CoolForm1", "class": "TCoolForm", "left": 5, "top": 5, "width": 360,
      "height": 143, "picture": "TForm2_CoolForm1.pic" },
    { "name": "Image1", "class": "TImage", "left": 144, "top": 68, "width": 49, "height": 25,
      "cursor": "crHandPoint", "hint": "Keresés!", "OnClick": "Image1Click" },
    { "name": "ListBox1", "class": "TListBox", "left": 10, "top": 10, "width": 100,
      "height": 60, "tabOrder": 1, "borderStyle": "bsNone", "color": 12770027,
      "itemHeight": 17, "items": ["0", "1", "2"],
      "font": { "name": "Garamond", "height": -15, "charset": 0, "style": [] },
      "OnClick": "ListBox1Click", "OnKeyDown": "ListBox1KeyDown" },
    { "name": "Edit1", "class": "TEdit", "left": 10, "top": 80, "width": 100, "height": 21,
      "tabOrder": 0, "color": 12770027,
      "font": { "name": "Garamond", "height": -17, "charset": 238, "style": [] },
      "OnKeyPress": "Edit1KeyPress" },
    { "name": "Image2", "class": "TImage", "left": 0, "top": 0, "width": 360, "height": 143,
      "visible": false, "stretch": true },
    { "name": "Label1", "class": "TLabel", "left": 22, "top": 24, "caption": "&Kép",
      "transparent": true,
      "font": { "name": "Garamond", "height": -20, "style": ["fsBold"], "color": 217475 } },
    { "name": "Button1", "class": "TButton", "left": 72, "top": 1464, "width": 75,
      "height": 25, "caption": "Button1", "tabOrder": 2 },
    { "name": "Timer1", "class": "TTimer", "interval": 100, "enabled": false,
      "OnTimer": "Timer1Timer" },
    { "name": "SavePictureDialog1", "class": "TSavePictureDialog" }
  ]
})";

// Counts the handlers the description binds.
struct Window : QWidget {
    int clicks = 0, listClicks = 0, keyDowns = 0, keyPresses = 0, ticks = 0;

    void Image1Click() { ++clicks; }
    void ListBox1Click() { ++listClicks; }
    void ListBox1KeyDown(int&, Qt::KeyboardModifiers) { ++keyDowns; }
    void Edit1KeyPress(QChar&) { ++keyPresses; }
    void Timer1Timer() { ++ticks; }

    FormHandlers Handlers() {
        return Bind(this, {{"Image1Click", &Window::Image1Click},
                           {"ListBox1Click", &Window::ListBox1Click},
                           {"ListBox1KeyDown", &Window::ListBox1KeyDown},
                           {"Edit1KeyPress", &Window::Edit1KeyPress},
                           {"Timer1Timer", &Window::Timer1Timer}});
    }
};

// The next control the Tab key reaches, passing over the parts inside a control.
QWidget* NextTabStop(QWidget& from) {
    for (QWidget* next = from.nextInFocusChain(); next != &from; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && !from.isAncestorOf(next))
            return next;
    }
    return nullptr;
}

class FormBuilderTest : public testing::Test {
protected:
    FormControls Build() { return BuildForm(window_, ReadFormDescription(kWindow), handlers_); }

    Window window_;
    FormHandlers handlers_ = window_.Handlers();
};

TEST_F(FormBuilderTest, CreatesTheControlsInDeclarationOrderWithTheirSettings) {
    const FormControls controls = Build();
    EXPECT_EQ(window_.size(), QSize(360, 143));
    EXPECT_TRUE(window_.windowFlags().testFlag(Qt::FramelessWindowHint));
    ASSERT_EQ(controls.InOrder().size(), 8u); // the save dialog is the window's own business
    const QStringList expected = {"CoolForm1", "Image1", "ListBox1", "Edit1",
                                  "Image2",    "Label1", "Button1",  "Timer1"};
    for (size_t i = 0; i < controls.InOrder().size(); ++i)
        EXPECT_EQ(controls.InOrder()[i]->objectName(), expected[int(i)]);

    // The skin sits at the origin whatever its description says.
    EXPECT_EQ(controls.Get<TCoolForm>("CoolForm1").geometry(), QRect(0, 0, 360, 143));
    EXPECT_EQ(controls.Get<TCoolForm>("CoolForm1").Picture().Width(), 340);

    TImage& image = controls.Get<TImage>("Image1");
    EXPECT_EQ(image.geometry(), QRect(144, 68, 49, 25));
    EXPECT_EQ(image.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(image.toolTip(), QString::fromUtf8("Keresés!"));
    EXPECT_FALSE(image.Stretch());
    TImage& hidden = controls.Get<TImage>("Image2");
    EXPECT_TRUE(hidden.isHidden());
    EXPECT_TRUE(hidden.Stretch());
    // The default cursor is inherited, not set.
    EXPECT_FALSE(hidden.testAttribute(Qt::WA_SetCursor));

    TListBox& list = controls.Get<TListBox>("ListBox1");
    EXPECT_EQ(list.RowCount(), 3);
    EXPECT_EQ(list.Row(2), "2");
    EXPECT_EQ(list.ItemHeight(), 17);
    EXPECT_EQ(list.frameShape(), QFrame::NoFrame);
    EXPECT_EQ(list.SelectedRow(), -1);

    EXPECT_EQ(controls.Get<TButton>("Button1").text(), "Button1");
    EXPECT_EQ(controls.Get<TTimer>("Timer1").Interval(), 100);
    EXPECT_FALSE(controls.Get<TTimer>("Timer1").Enabled());
}

TEST_F(FormBuilderTest, FontsAndColoursFollowTheDescription) {
    const FormControls controls = Build();
    const TListBox& list = controls.Get<TListBox>("ListBox1");
    EXPECT_EQ(list.font().family(), "EB Garamond");
    EXPECT_EQ(list.font().pixelSize(), 15);
    EXPECT_FALSE(list.font().bold());
    EXPECT_EQ(list.palette().color(QPalette::Base), QColor(235, 218, 194));
    EXPECT_EQ(controls.Get<TEdit>("Edit1").font().pixelSize(), 17);
    EXPECT_EQ(controls.Get<TEdit>("Edit1").palette().color(QPalette::Base), QColor(235, 218, 194));

    const TLabel& label = controls.Get<TLabel>("Label1");
    EXPECT_EQ(label.font().pixelSize(), 20);
    EXPECT_TRUE(label.font().bold());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(131, 81, 3));
    EXPECT_TRUE(label.Transparent());
    EXPECT_EQ(label.ShownText(), QString::fromUtf8("Kép"));
    EXPECT_EQ(label.pos(), QPoint(22, 24));
    EXPECT_GT(label.width(), 0);
}

TEST_F(FormBuilderTest, WindowedControlsLieAboveEveryPictureControl) {
    Build();
    QStringList stacking;
    for (QObject* child : window_.children())
        if (child->isWidgetType())
            stacking.append(child->objectName());
    // Bottom to top: pictures and the label in declaration order, then the windowed ones.
    EXPECT_EQ(stacking, QStringList({"CoolForm1", "Image1", "Image2", "Label1", "ListBox1", "Edit1",
                                     "Button1"}));
}

TEST_F(FormBuilderTest, TabOrderFollowsTabOrderNotDeclaration) {
    const FormControls controls = Build();
    TEdit& edit = controls.Get<TEdit>("Edit1");
    TListBox& list = controls.Get<TListBox>("ListBox1");
    EXPECT_EQ(NextTabStop(edit), &list);
    EXPECT_EQ(NextTabStop(list), &controls.Get<TButton>("Button1"));
    EXPECT_EQ(controls.Get<TImage>("Image1").focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(controls.Get<TLabel>("Label1").focusPolicy(), Qt::NoFocus);
}

TEST_F(FormBuilderTest, EventsRunTheirBoundHandlers) {
    const FormControls controls = Build();
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));

    QTest::mouseClick(&controls.Get<TImage>("Image1"), Qt::LeftButton);
    EXPECT_EQ(window_.clicks, 1);

    TListBox& list = controls.Get<TListBox>("ListBox1");
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(window_.keyDowns, 1);
    EXPECT_EQ(window_.listClicks, 1);

    QTest::keyClicks(&controls.Get<TEdit>("Edit1"), "ab");
    EXPECT_EQ(window_.keyPresses, 2);

    TTimer& timer = controls.Get<TTimer>("Timer1");
    timer.SetEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window_.ticks >= 2; }, 2000));
}

TEST_F(FormBuilderTest, TypedLookupRefusesMissingNamesAndWrongClasses) {
    const FormControls controls = Build();
    EXPECT_THROW(controls.Get<TImage>("Image9"), EInvalidOperation);
    EXPECT_THROW(controls.Get<TListBox>("Image1"), EInvalidOperation);
    // The skin is an image widget as well.
    EXPECT_NO_THROW(controls.Get<TImage>("CoolForm1"));
    EXPECT_EQ(controls.Find("SavePictureDialog1"), nullptr);
}

TEST_F(FormBuilderTest, UnknownHandlerNamesStopTheBuild) {
    handlers_.erase("Timer1Timer");
    EXPECT_THROW(Build(), EInvalidOperation);
}

TEST_F(FormBuilderTest, TableEntriesNoEventUsesStopTheBuild) {
    handlers_.emplace("Image7Click", NotifyHandler([] {}));
    EXPECT_THROW(Build(), EInvalidOperation);
}

TEST_F(FormBuilderTest, HandlersOfTheWrongKindStopTheBuild) {
    handlers_["ListBox1KeyDown"] = NotifyHandler([] {});
    EXPECT_THROW(Build(), EInvalidOperation);
}

TEST(FormBuilder, UnknownClassesNeedAFactory) {
    const FormDescription description = ReadFormDescription(
        R"({"class":"TFormC","clientWidth":10,"clientHeight":10,
            "controls":[{"name":"QRLabel1","class":"TQRLabel","caption":"x"}]})");
    QWidget window;
    EXPECT_THROW(BuildForm(window, description, {}), EInvalidOperation);

    QString seen;
    ControlFactories factories;
    factories["TQRLabel"] = [&](QWidget& form, const ControlDescription& control) -> QObject* {
        seen = control.raw.value("caption").toString();
        return new QObject(&form);
    };
    const FormControls controls = BuildForm(window, description, {}, factories);
    EXPECT_EQ(seen, "x");
    EXPECT_NE(controls.Find("QRLabel1"), nullptr);
}

TEST(FormBuilder, MissingBuiltInPictureStopsTheBuild) {
    const FormDescription description = ReadFormDescription(
        R"({"class":"TFormC","clientWidth":10,"clientHeight":10,
            "controls":[{"name":"Image1","class":"TImage","picture":"nowhere.pic"}]})");
    QWidget window;
    EXPECT_THROW(BuildForm(window, description, {}), EInvalidOperation);
}

} // namespace

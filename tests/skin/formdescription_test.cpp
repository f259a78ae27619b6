#include "errors.h"
#include "formdescription.h"

#include <gtest/gtest.h>

namespace {

const char* kSample = R"({
  "class": "TFormX",
  "clientWidth": 372, "clientHeight": 154,
  "borderStyle": "bsNone",
  "position": { "left": 369, "top": 277 },
  "controls": [
    { "name": "CoolForm1", "class": "TCoolForm", "left": 0, "top": 0, "width": 372,
      "height": 154, "picture": "TForm5_CoolForm1.pic", "Draggable": false,
      "Mask2": "30000000 20000000 01000000 01000000 10000000 01000000 00000000 53010000 78000000 01000000 00000000 53010000 78000000" },
    { "name": "Image1", "class": "TImage", "left": 103, "top": 68, "width": 49, "height": 25,
      "cursor": "crHandPoint", "visible": false, "OnClick": "Image1Click" },
    { "name": "ListBox1", "class": "TListBox", "left": 1, "top": 2, "width": 3, "height": 4,
      "tabOrder": 1, "color": 12770027, "itemHeight": 17, "items": ["0", "1"],
      "font": { "name": "Garamond", "height": -15, "charset": 238, "style": ["fsBold", "fsItalic"],
                "color": "clWindowText" },
      "OnClick": "ListBox1Click", "OnKeyDown": "ListBox1KeyDown" },
    { "name": "Label1", "class": "TLabel", "left": 22, "top": 24, "caption": "Ő & ű",
      "transparent": true },
    { "name": "Timer1", "class": "TTimer", "interval": 100, "enabled": false,
      "OnTimer": "Timer1Timer" },
    { "name": "QRLabel1", "class": "TQRLabel", "anything": [1, 2, 3] }
  ]
})";

TEST(FormDescription, ReadsWindowAndControlSettings) {
    const FormDescription form = ReadFormDescription(kSample);
    EXPECT_EQ(form.className, "TFormX");
    EXPECT_EQ(form.clientSize, QSize(372, 154));
    EXPECT_EQ(form.borderStyle, "bsNone");
    EXPECT_EQ(form.placement, TForm::Placement::Fixed);
    EXPECT_EQ(form.position, QPoint(369, 277));
    ASSERT_EQ(form.controls.size(), 6u);

    const ControlDescription& skin = form.controls[0];
    EXPECT_EQ(skin.className, "TCoolForm");
    EXPECT_FALSE(skin.draggable);
    ASSERT_TRUE(skin.mask2.has_value());
    EXPECT_EQ(skin.mask2->size(), 52u);
    EXPECT_EQ((*skin.mask2)[28], 0x53);

    const ControlDescription& image = form.controls[1];
    EXPECT_EQ(image.bounds, QRect(103, 68, 49, 25));
    EXPECT_EQ(image.cursor, "crHandPoint");
    EXPECT_FALSE(image.visible);
    EXPECT_EQ(image.events.at("OnClick"), "Image1Click");

    const ControlDescription& list = form.controls[2];
    EXPECT_EQ(list.tabOrder, 1);
    EXPECT_EQ(list.color, 12770027u);
    EXPECT_EQ(list.itemHeight, 17);
    EXPECT_EQ(list.items, QStringList({"0", "1"}));
    ASSERT_TRUE(list.font.has_value());
    EXPECT_EQ(list.font->name, "Garamond");
    EXPECT_EQ(list.font->height, -15);
    EXPECT_EQ(list.font->charset, 238);
    EXPECT_TRUE(list.font->bold);
    EXPECT_TRUE(list.font->italic);
    EXPECT_FALSE(list.font->underline);
    EXPECT_EQ(list.font->color, 0xFF000008u);
    EXPECT_EQ(list.events.size(), 2u);

    const ControlDescription& label = form.controls[3];
    EXPECT_EQ(label.caption, QString::fromUtf8("Ő & ű"));
    EXPECT_TRUE(label.transparent);
    EXPECT_EQ(label.cursor, "crDefault");
    EXPECT_FALSE(label.tabOrder.has_value());

    const ControlDescription& timer = form.controls[4];
    EXPECT_EQ(timer.interval, 100);
    EXPECT_FALSE(timer.enabled);

    // A class of another reader passes through whole.
    const ControlDescription& other = form.controls[5];
    EXPECT_EQ(other.className, "TQRLabel");
    EXPECT_TRUE(other.raw.contains("anything"));
}

TEST(FormDescription, DefaultsToCentredAndControlsWithoutOptionalFields) {
    const FormDescription form = ReadFormDescription(
        R"({"class":"TFormY","clientWidth":10,"clientHeight":20,"position":"centred",
            "controls":[{"name":"Image1","class":"TImage"}]})");
    EXPECT_EQ(form.placement, TForm::Placement::Centred);
    const ControlDescription& image = form.controls.at(0);
    EXPECT_TRUE(image.visible);
    EXPECT_FALSE(image.stretch);
    EXPECT_TRUE(image.events.empty());
    EXPECT_TRUE(image.picture.isEmpty());
}

struct Fault {
    const char* what;
    const char* json;
    const char* named; // a piece the message must hold
};

class FaultyDescription : public testing::TestWithParam<Fault> {};

TEST_P(FaultyDescription, IsRefusedWithItsPlaceNamed) {
    try {
        ReadFormDescription(GetParam().json);
        ADD_FAILURE() << GetParam().what << " was accepted";
    } catch (const EInvalidOperation& error) {
        EXPECT_NE(error.Message().find(GetParam().named), std::string::npos)
            << GetParam().what << ": " << error.Message();
    }
}

#define FORM(controls)                                                                             \
    R"({"class":"TFormZ","clientWidth":1,"clientHeight":1,"controls":[)" controls "]}"

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultyDescription,
    testing::Values(
        Fault{"not JSON", "{", "not JSON"},
        Fault{"no size", R"({"class":"TFormZ"})", "clientWidth"},
        Fault{"unknown window field", R"({"class":"TFormZ","clientWidth":1,"clientHeight":1,
              "colour":1})",
              "colour"},
        Fault{"bad position", R"({"class":"TFormZ","clientWidth":1,"clientHeight":1,
              "position":"middle"})",
              "position"},
        Fault{"unknown control field", FORM(R"({"name":"Image1","class":"TImage","strech":true})"),
              "Image1"},
        Fault{"event a class lacks", FORM(R"({"name":"Label1","class":"TLabel","OnClick":"A"})"),
              "OnClick"},
        Fault{"unknown cursor", FORM(R"({"name":"Image1","class":"TImage","cursor":"crHand"})"),
              "crHand"},
        Fault{"fractional place", FORM(R"({"name":"Image1","class":"TImage","left":1.5})"), "left"},
        Fault{"Mask2 not hex", FORM(R"({"name":"CoolForm1","class":"TCoolForm","Mask2":"3X"})"),
              "Mask2"},
        Fault{"unknown font style",
              FORM(R"({"name":"Edit1","class":"TEdit","font":{"style":["fsHeavy"]}})"), "fsHeavy"},
        Fault{"unknown colour name", FORM(R"({"name":"Edit1","class":"TEdit","color":"clPink"})"),
              "clPink"},
        Fault{"colour out of range", FORM(R"({"name":"Edit1","class":"TEdit","color":16777216})"),
              "color"},
        Fault{"items not texts", FORM(R"({"name":"L","class":"TListBox","items":[1]})"), "item"},
        Fault{"two controls of one name",
              FORM(R"({"name":"A","class":"TImage"},{"name":"A","class":"TButton"})"), "two"},
        Fault{"handler name not a text", FORM(R"({"name":"A","class":"TImage","OnClick":1})"),
              "OnClick"}));

TEST(FormDescription, BuiltInDescriptionsOfTheSkinnedWindowsRead) {
    for (const char* formClass :
         {"TForm1", "TForm2", "TForm3", "TForm5", "TForm6", "TForm7", "TForm8"}) {
        const FormDescription form = LoadFormDescription(formClass);
        EXPECT_EQ(form.className, formClass);
        EXPECT_EQ(form.borderStyle, "bsNone") << formClass;
        ASSERT_FALSE(form.controls.empty()) << formClass;
        // The skin comes first, so every other control lies above it.
        EXPECT_EQ(form.controls.front().className, "TCoolForm") << formClass;
        EXPECT_EQ(form.controls.front().bounds.size(), form.clientSize) << formClass;
    }
}

TEST(FormDescription, MissingBuiltInDescriptionIsRefused) {
    EXPECT_THROW(LoadFormDescription("TForm99"), EInvalidOperation);
}

} // namespace

#include "core/errors.h"
#include "skin/formdescription.h"

#include <QDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// What the builder's own tests cannot see through the controls it makes.
const char* kSample = R"({
  "class": "TFormX",
  "clientWidth": 372, "clientHeight": 154,
  "borderStyle": "bsNone",
  "position": { "left": 369, "top": 277 },
  "controls": [
    { "name": "CoolForm1", "class": "TCoolForm", "Draggable": false,
      "Mask2": "30000000 20000000 01000000 01000000 10000000 01000000 00000000 53010000 78000000 01000000 00000000 53010000 78000000" },
    { "name": "ListBox1", "class": "TListBox",
      "font": { "name": "Garamond", "charset": 238, "style": ["fsItalic", "fsStrikeOut"],
                "color": "clWindowText" },
      "OnClick": "ListBox1Click", "OnKeyDown": "ListBox1KeyDown" },
    { "name": "Label1", "class": "TLabel", "caption": "Ő & ű" },
    { "name": "QRLabel1", "class": "TQRLabel", "anything": [1, 2, 3] }
  ]
})";

TEST(FormDescription, ReadsWindowAndControlSettings) {
    const FormDescription form = ReadFormDescription(kSample);
    EXPECT_EQ(form.className, "TFormX");
    EXPECT_EQ(form.clientSize, QSize(372, 154));
    EXPECT_EQ(form.placement, FormPlacement::Fixed);
    EXPECT_EQ(form.position, QPoint(369, 277));
    ASSERT_EQ(form.controls.size(), 4u);

    const ControlDescription& skin = form.controls[0];
    EXPECT_FALSE(skin.draggable);
    ASSERT_TRUE(skin.mask2.has_value());
    EXPECT_EQ(skin.mask2->size(), 52u);
    EXPECT_EQ((*skin.mask2)[28], 0x53);

    const ControlDescription& list = form.controls[1];
    ASSERT_TRUE(list.font.has_value());
    EXPECT_EQ(list.font->charset, 238);
    EXPECT_FALSE(list.font->bold);
    EXPECT_TRUE(list.font->italic);
    EXPECT_TRUE(list.font->strikeOut);
    EXPECT_EQ(list.font->color, 0xFF000008u);
    EXPECT_EQ(list.events, (std::map<QString, QString>{{"OnClick", "ListBox1Click"},
                                                       {"OnKeyDown", "ListBox1KeyDown"}}));
    EXPECT_EQ(form.controls[2].caption, QString::fromUtf8("Ő & ű"));

    // A class of another reader passes through whole.
    const ControlDescription& other = form.controls[3];
    EXPECT_EQ(other.className, "TQRLabel");
    EXPECT_TRUE(other.raw.contains("anything"));
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
        Fault{"colour out of range", FORM(R"({"name":"Edit1","class":"TEdit","color":16777216})"),
              "color"},
        Fault{"two controls of one name",
              FORM(R"({"name":"A","class":"TImage"},{"name":"A","class":"TButton"})"), "two"},
        Fault{"handler name not a text", FORM(R"({"name":"A","class":"TImage","OnClick":1})"),
              "OnClick"}));

TEST(FormDescription, BuiltInDescriptionsOfTheSkinnedWindowsRead) {
    int skinned = 0;
    for (const QString& file : QDir(":/assets/forms").entryList({"*.json"})) {
        const std::string formClass = file.chopped(5).toStdString();
        const FormDescription form = LoadFormDescription(QString::fromStdString(formClass));
        EXPECT_EQ(form.className.toStdString(), formClass);
        // The print page's holder is framed and holds no skin.
        const bool hasSkin = std::any_of(form.controls.begin(), form.controls.end(),
                                         [](const auto& c) { return c.className == "TCoolForm"; });
        if (!hasSkin)
            continue;
        ++skinned;
        EXPECT_EQ(form.borderStyle, "bsNone") << formClass;
        ASSERT_FALSE(form.controls.empty()) << formClass;
        // The skin comes first, so every other control lies above it.
        EXPECT_EQ(form.controls.front().className, "TCoolForm") << formClass;
        EXPECT_EQ(form.controls.front().bounds.size(), form.clientSize) << formClass;
    }
    EXPECT_GT(skinned, 0);
}

TEST(FormDescription, MissingBuiltInDescriptionIsRefused) {
    EXPECT_THROW(LoadFormDescription("TForm99"), EInvalidOperation);
}

} // namespace

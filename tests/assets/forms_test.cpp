// The window descriptions and the artwork must agree: the text-drawing controls carry the
// fonts and colours that blend into the painted panels, and every click area lies on the face
// painted for it.

#include "assets/assets.h"
#include "tests/assets/assetfiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr int DefaultCharset = 1;      // DEFAULT_CHARSET
constexpr int EastEuropeCharset = 238; // EASTEUROPE_CHARSET

// From the built-in description, as the program reads it.
std::optional<QJsonObject> Control(const char* form, const char* name) {
    const QByteArray description = AssetBytes(QStringLiteral("forms/%1.json").arg(form));
    if (description.isEmpty())
        return std::nullopt;
    const QJsonArray controls = QJsonDocument::fromJson(description)["controls"].toArray();
    for (const QJsonValue& control : controls)
        if (control["name"].toString() == QLatin1String(name))
            return control.toObject();
    return QJsonObject();
}

// A Windows colour value (low byte red) as the artwork's RGB.
Rgb FromColourValue(int value) {
    return {value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF};
}

#define CONTROL(var, form, name)                                                                   \
    const std::optional<QJsonObject> var = Control(form, name);                                    \
    ASSERT_TRUE(var) << form << " has no built-in description";                                    \
    ASSERT_FALSE(var->isEmpty()) << form << " has no " << name

// The font's colour is the window-text colour: left out, or named.
void ExpectWindowTextColour(const QJsonObject& font) {
    if (font.contains("color")) {
        EXPECT_EQ(font["color"].toString(), "clWindowText");
    }
}

TEST(TextControls, TitleListBlendsIntoItsPanel) {
    CONTROL(list, "TForm1", "ListBox1");
    const QJsonObject font = (*list)["font"].toObject();
    EXPECT_EQ(font["name"].toString(), "Garamond");
    EXPECT_EQ(font["height"].toInt(), -15);
    EXPECT_EQ(font["charset"].toInt(-1), DefaultCharset);
    EXPECT_TRUE(font["style"].toArray().isEmpty());
    ExpectWindowTextColour(font);
    EXPECT_EQ((*list)["itemHeight"].toInt(), 17);
    EXPECT_EQ((*list)["borderStyle"].toString(), "bsNone");
    EXPECT_EQ((*list)["color"].toInt(), 12770027);

    // The colour is exactly the painted panel under the list, so no edge shows.
    const BmpFile bmp = Background("TForm1_CoolForm1");
    ASSERT_TRUE(bmp.valid);
    const int left = (*list)["left"].toInt(), top = (*list)["top"].toInt();
    const int right = left + (*list)["width"].toInt(), bottom = top + (*list)["height"].toInt();
    for (auto [x, y] : {std::pair{left, top},
                        {right - 1, top},
                        {left, bottom - 1},
                        {right - 1, bottom - 1},
                        {(left + right) / 2, (top + bottom) / 2}})
        EXPECT_EQ(bmp.At(x, y), FromColourValue((*list)["color"].toInt())) << x << ", " << y;
}

TEST(TextControls, SearchFieldBlendsIntoItsPanel) {
    CONTROL(edit, "TForm1", "Edit1");
    const QJsonObject font = (*edit)["font"].toObject();
    EXPECT_EQ(font["name"].toString(), "Garamond");
    EXPECT_EQ(font["height"].toInt(), -17);
    EXPECT_EQ(font["charset"].toInt(-1), EastEuropeCharset);
    EXPECT_TRUE(font["style"].toArray().isEmpty());
    ExpectWindowTextColour(font);
    EXPECT_EQ((*edit)["borderStyle"].toString(), "bsNone");
    EXPECT_EQ((*edit)["color"].toInt(), 12770027);

    const BmpFile bmp = Background("TForm1_CoolForm1");
    ASSERT_TRUE(bmp.valid);
    const int left = (*edit)["left"].toInt(), top = (*edit)["top"].toInt();
    const int right = left + (*edit)["width"].toInt(), bottom = top + (*edit)["height"].toInt();
    for (auto [x, y] : {std::pair{left, top}, {right - 1, bottom - 1}})
        EXPECT_EQ(bmp.At(x, y), FromColourValue((*edit)["color"].toInt())) << x << ", " << y;
}

TEST(TextControls, DescriptionCaptionUsesTheLetteringColour) {
    CONTROL(label, "TForm3", "Label1");
    const QJsonObject font = (*label)["font"].toObject();
    EXPECT_EQ(font["name"].toString(), "Garamond");
    EXPECT_EQ(font["height"].toInt(), -20);
    EXPECT_EQ(font["charset"].toInt(-1), DefaultCharset);
    EXPECT_EQ(font["style"].toArray(), QJsonArray{"fsBold"});
    EXPECT_EQ(font["color"].toInt(), 217475);
    EXPECT_EQ(FromColourValue(font["color"].toInt()), (Rgb{131, 81, 3}));
    EXPECT_TRUE((*label)["transparent"].toBool());
}

struct ClickArea {
    const char* form;
    const char* control;
    const char* background;
    // With a face colour: the face under the control; without: the mark painted on `ground`.
    std::optional<Rgb> face;
    Rgb ground;
    int margin; // how far around the control the ground is plain
};

const Rgb MainFace{203, 174, 134}, SmallFace{217, 183, 136}, Triangle{158, 146, 131};
const Rgb Ground{231, 197, 150}, Panel{235, 218, 194}, Page{235, 218, 195};

const ClickArea ClickAreas[] = {
    {"TForm1", "Image8", "TForm1_CoolForm1", MainFace, Ground, 0},
    {"TForm1", "Image9", "TForm1_CoolForm1", MainFace, Ground, 0},
    {"TForm1", "Image1", "TForm1_CoolForm1", MainFace, Ground, 0},
    {"TForm1", "Image2", "TForm1_CoolForm1", MainFace, Ground, 0},
    {"TForm1", "Image5", "TForm1_CoolForm1", std::nullopt, Panel, 2},
    {"TForm1", "Image6", "TForm1_CoolForm1", std::nullopt, Panel, 2},
    {"TForm1", "RadioImage1", "TForm1_CoolForm1", std::nullopt, Ground, 2},
    {"TForm1", "RadioImage2", "TForm1_CoolForm1", std::nullopt, Ground, 2},
    {"TForm1", "Image10", "TForm1_CoolForm1", std::nullopt, Ground, 6},
    {"TForm2", "Image1", "TForm2_CoolForm1", SmallFace, Page, 0},
    {"TForm5", "Image1", "TForm5_CoolForm1", SmallFace, Page, 0},
    {"TForm5", "Image2", "TForm5_CoolForm1", SmallFace, Page, 0},
    {"TForm3", "Image_ok", "TForm3_CoolForm1", SmallFace, Page, 0},
    {"TForm7", "Image2", "TForm7_CoolForm1", SmallFace, Page, 0},
    {"TForm8", "ok", "TForm8_CoolForm1", SmallFace, Page, 0},
    {"TForm8", "prev", "TForm8_CoolForm1", Triangle, Page, 0},
    {"TForm8", "next", "TForm8_CoolForm1", Triangle, Page, 0},
    {"TForm6", "Image1", "TForm6_CoolForm1", std::nullopt, Panel, 4},
};

class ClickAreaOverFace : public testing::TestWithParam<ClickArea> {};

TEST_P(ClickAreaOverFace, FaceLiesUnderTheControl) {
    const ClickArea& c = GetParam();
    CONTROL(control, c.form, c.control);
    const int left = (*control)["left"].toInt(), top = (*control)["top"].toInt();
    const int right = left + (*control)["width"].toInt();
    const int bottom = top + (*control)["height"].toInt();
    const BmpFile bmp = Background(c.background);
    ASSERT_TRUE(bmp.valid);

    if (c.face) {
        // The face ends where the control ends: just outside it, across the middle row and
        // down the middle column, there is no face colour ...
        const int y = (top + bottom) / 2, x = (left + right) / 2;
        EXPECT_FALSE(bmp.At(left - 1, y) == *c.face) << "face runs out to the left";
        EXPECT_FALSE(bmp.At(right, y) == *c.face) << "face runs out to the right";
        EXPECT_FALSE(bmp.At(x, top - 1) == *c.face) << "face runs out at the top";
        EXPECT_FALSE(bmp.At(x, bottom) == *c.face) << "face runs out at the bottom";
        // ... and inside it the face takes most of the middle row, lettering aside.
        int inside = 0;
        for (int column = left; column < right; ++column)
            inside += Distance(bmp.At(column, y), *c.face) <= 12;
        EXPECT_GE(inside * 5, (right - left) * 2) << "the face covers too little of the control";
        return;
    }
    // A mark on plain ground: all of it lies within the control.
    int minX = 1 << 20, minY = 1 << 20, maxX = -1, maxY = -1;
    for (int y = top - c.margin; y < bottom + c.margin; ++y)
        for (int x = left - c.margin; x < right + c.margin; ++x)
            if (Distance(bmp.At(x, y), c.ground) > 12) {
                minX = std::min(minX, x), maxX = std::max(maxX, x);
                minY = std::min(minY, y), maxY = std::max(maxY, y);
            }
    ASSERT_GE(maxX, 0) << "nothing painted under the control";
    EXPECT_GE(minX, left);
    EXPECT_LT(maxX, right);
    EXPECT_GE(minY, top);
    EXPECT_LT(maxY, bottom);
}

INSTANTIATE_TEST_SUITE_P(Assets, ClickAreaOverFace, testing::ValuesIn(ClickAreas),
                         [](const testing::TestParamInfo<ClickArea>& test) {
                             return std::string(test.param.form) + "_" + test.param.control;
                         });

// The paging arrows' faces replace the painted chevrons exactly.
TEST(ClickAreaSizes, ChevronControlsAreTheChevronsSize) {
    for (const char* name : {"Image5", "Image6"}) {
        CONTROL(control, "TForm1", name);
        EXPECT_EQ((*control)["width"].toInt(), 12) << name;
        EXPECT_EQ((*control)["height"].toInt(), 31) << name;
    }
}

} // namespace

// The stored print page as its description gives it, and descriptions that must be refused.

#include "errors.h"
#include "formdescription.h"
#include "reportlayoutreader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

std::vector<QJsonObject> StoredElements() {
    std::vector<QJsonObject> elements;
    for (const ControlDescription& control : LoadFormDescription("TForm4").controls)
        elements.push_back(control.raw);
    return elements;
}

TEST(StoredPage, PlacesEveryElementWhereThePageSays) {
    const ReportLayout layout = ReadReportLayout("TForm4", StoredElements());
    EXPECT_EQ(layout.report.page.paperSize, "A4");
    EXPECT_TRUE(layout.report.page.portrait);
    EXPECT_EQ(layout.report.printer.copies, 1);
    EXPECT_EQ(layout.report.printer.outputBin, "Auto");
    EXPECT_EQ(layout.report.reportTitle, "");
    EXPECT_TRUE(layout.report.printIfEmpty);

    // On paper, in millimetres: caption at 14.23, 16.35; box from 14.23, 24.82, 178.06 x 150.55.
    const auto label = LabelOnPaper(layout);
    EXPECT_NEAR(label.left / 10, 14.23, 0.005);
    EXPECT_NEAR(label.top / 10, 16.35, 0.005);
    EXPECT_NEAR(label.height / 10, 6.35, 0.005);
    const auto box = ImageOnPaper(layout);
    EXPECT_NEAR(box.left / 10, 14.23, 0.005);
    EXPECT_NEAR(box.top / 10, 24.82, 0.005);
    EXPECT_NEAR(box.width / 10, 178.06, 0.005);
    EXPECT_NEAR(box.height / 10, 150.55, 0.005);
    const auto band = BandOnPaper(layout);
    EXPECT_NEAR(band.left / 10, 10, 0.005);
    EXPECT_NEAR(band.width / 10, 189.97, 0.005);
    EXPECT_NEAR(band.height / 10, 172.24, 0.005);

    EXPECT_EQ(layout.label.font.name, "Garamond");
    EXPECT_EQ(layout.label.font.height, -20);
    EXPECT_TRUE(layout.label.font.bold);
    EXPECT_FALSE(layout.label.transparent);
    EXPECT_FALSE(layout.image.stretch);
    EXPECT_EQ(layout.image.picture, "TForm4_QRImage1.pic");
}

QJsonObject Parse(const char* json) {
    return QJsonDocument::fromJson(json).object();
}

// The stored elements with one of them replaced or changed.
std::vector<QJsonObject> With(const char* name, const char* field, const QJsonValue& value) {
    std::vector<QJsonObject> elements = StoredElements();
    for (QJsonObject& element : elements) {
        if (element.value("name").toString() == name) {
            if (value.isUndefined())
                element.remove(field);
            else
                element.insert(field, value);
        }
    }
    return elements;
}

struct Refusal {
    const char* name;
    std::vector<QJsonObject> elements;
    const char* fault;
};

void PrintTo(const Refusal& refusal, std::ostream* os) {
    *os << refusal.name;
}

class RefusedDescription : public testing::TestWithParam<Refusal> {};

TEST_P(RefusedDescription, NamesTheFault) {
    try {
        ReadReportLayout("TForm4", GetParam().elements);
        FAIL() << "accepted";
    } catch (const EInvalidOperation& error) {
        EXPECT_NE(error.Message().find(GetParam().fault), std::string::npos) << error.Message();
        EXPECT_EQ(error.Message().rfind("Window description TForm4", 0), 0u) << error.Message();
    }
}

std::vector<QJsonObject> Without(const char* className) {
    std::vector<QJsonObject> elements;
    for (const QJsonObject& element : StoredElements()) {
        if (element.value("class").toString() != className)
            elements.push_back(element);
    }
    return elements;
}

std::vector<QJsonObject> Twice(const char* name) {
    std::vector<QJsonObject> elements = StoredElements();
    for (const QJsonObject& element : StoredElements()) {
        if (element.value("name").toString() == name)
            elements.push_back(element);
    }
    return elements;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedDescription,
    testing::Values(
        Refusal{"NegativeLength", With("QRImage1", "width", -1), "\"width\" is not a length"},
        Refusal{"LengthAsText", With("QRLabel1", "left", "42"), "\"left\" is not a length"},
        Refusal{"MissingLength", With("QRImage1", "height", QJsonValue(QJsonValue::Undefined)),
                "\"height\" is not a length"},
        Refusal{"UnknownField", With("QRImage1", "angle", 90), "unknown field \"angle\""},
        Refusal{"StretchedPicture", With("QRImage1", "stretch", true), "unscaled picture"},
        Refusal{"WrappedCaption", With("QRLabel1", "autoSize", false), "auto-size caption"},
        Refusal{"FrameLines", With("QRImage1", "frame", QJsonArray{"drTop"}), "frame lines"},
        Refusal{"UnknownFontStyle",
                With("QRLabel1", "font", Parse(R"({"name": "Garamond", "style": ["fsShadow"]})")),
                "unknown font style"},
        Refusal{"UnknownColour", With("DetailBand1", "color", "clMauve"), "unknown colour"},
        Refusal{"TwoColumns",
                With("QuickRep1", "page",
                     Parse(R"({"paperSize": "A4", "paperWidth": 2100, "paperLength": 2970,
                               "topMargin": 100, "bottomMargin": 100, "leftMargin": 100,
                               "rightMargin": 100, "columns": 2})")),
                "one column"},
        Refusal{"NoCopies", With("QuickRep1", "printerSettings", Parse(R"({"copies": 0})")),
                "\"copies\" is less than 1"},
        Refusal{"LabelOutsideTheBand", With("QRLabel1", "parent", "QuickRep1"),
                "not inside the band"},
        Refusal{"NoPicture", Without("TQRImage"), "no TQRImage"},
        Refusal{"NoPage", Without("TQuickRep"), "not inside the page"},
        Refusal{"SecondLabel", Twice("QRLabel1"), "a second TQRLabel"},
        Refusal{"ForeignElement",
                {Parse(R"({"name": "X", "class": "TQRShape"})")},
                "unknown report element class"}),
    [](const testing::TestParamInfo<Refusal>& info) { return info.param.name; });

} // namespace

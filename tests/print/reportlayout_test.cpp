// The stored print page as its description gives it, and descriptions that must be refused.

#include "core/errors.h"
#include "print/reportlayoutreader.h"
#include "skin/skin.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

std::vector<QJsonObject> Stored() {
    std::vector<QJsonObject> elements;
    for (const ControlDescription& control : LoadFormDescription("TForm4").controls)
        elements.push_back(control.raw);
    return elements;
}

TEST(StoredPage, PlacesEveryElementWhereThePageSays) {
    const ReportLayout layout = ReadReportLayout("TForm4", Stored());
    EXPECT_EQ(layout.report.page.paperSize, "A4");
    EXPECT_EQ(layout.report.printer.copies, 1);
    EXPECT_EQ(layout.report.reportTitle, "");
    // In millimetres on paper: caption at 14.23, 16.35; box 178.06 x 150.55 from 14.23, 24.82.
    const auto label = LabelOnPaper(layout), box = ImageOnPaper(layout);
    EXPECT_NEAR(label.left, 142.3, 0.05);
    EXPECT_NEAR(label.top, 163.5, 0.05);
    EXPECT_NEAR(box.left, 142.3, 0.05);
    EXPECT_NEAR(box.top, 248.2, 0.05);
    EXPECT_NEAR(box.width, 1780.6, 0.05);
    EXPECT_NEAR(box.height, 1505.5, 0.05);
    EXPECT_EQ(layout.label.font.height, -20);
    EXPECT_TRUE(layout.label.font.bold);
}

struct Refusal {
    const char* name;
    const char* element;
    const char* field;
    QJsonValue value;
    const char* fault;
};
void PrintTo(const Refusal& refusal, std::ostream* os) {
    *os << refusal.name;
}

class RefusedDescription : public testing::TestWithParam<Refusal> {};

TEST_P(RefusedDescription, NamesTheElementAndTheFault) {
    std::vector<QJsonObject> elements = Stored();
    for (QJsonObject& element : elements) {
        if (element.value("name").toString() == GetParam().element)
            element.insert(GetParam().field, GetParam().value);
    }
    try {
        ReadReportLayout("TForm4", elements);
        FAIL() << "accepted";
    } catch (const EInvalidOperation& error) {
        EXPECT_NE(error.Message().find(std::string("TForm4, control ") + GetParam().element),
                  std::string::npos)
            << error.Message();
        EXPECT_NE(error.Message().find(GetParam().fault), std::string::npos) << error.Message();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedDescription,
    testing::Values(
        Refusal{"NegativeLength", "QRImage1", "width", -1, "\"width\" is not a length"},
        Refusal{"LengthAsText", "QRLabel1", "left", "42", "\"left\" is not a length"},
        Refusal{"UnknownField", "QRImage1", "angle", 90, "unknown field \"angle\""},
        Refusal{"StretchedPicture", "QRImage1", "stretch", true, "unscaled picture"},
        Refusal{"FrameLines", "DetailBand1", "frame", QJsonArray{"drTop"}, "frame lines"},
        Refusal{"LabelOutsideTheBand", "QRLabel1", "parent", "QuickRep1", "not inside the band"},
        Refusal{"SecondPage", "DetailBand1", "class", "TQuickRep", "a second TQuickRep"}),
    [](const testing::TestParamInfo<Refusal>& test) { return test.param.name; });

} // namespace

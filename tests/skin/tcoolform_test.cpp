#include "pictures/pictures.h"
#include "shell/errorreport.h"
#include "skin/coolformstore.h"
#include "skin/formbuilder.h"
#include "skin/tcoolform.h"
#include "skin/tform.h"
#include "tests/skin/skinpictures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const std::vector<uint8_t> kMainWindowMask2 = OneRectangleMask2(1, 0, 799, 653);
const std::vector<uint8_t> kZeroMask2 = {0, 0, 0, 0};

class CoolFormTest : public testing::Test {
protected:
    void SetUp() override {
        SetReportSink([this](const std::string& text) { reports_.push_back(text); });
    }
    void TearDown() override { SetReportSink(nullptr); }

    TForm form_{"TFormS", QSize(818, 663), TForm::Placement::Centred};
    std::vector<std::string> reports_;
};

TEST_F(CoolFormTest, OnAFormItCoversTheClientAreaAndMakesTheFormBorderless) {
    ASSERT_FALSE(form_.windowFlags().testFlag(Qt::FramelessWindowHint));
    TCoolForm skin(&form_);
    EXPECT_TRUE(form_.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(skin.geometry(), QRect(0, 0, 818, 663));
    form_.resize(700, 500);
    form_.show(); // a hidden window hears of its new size when it is shown
    EXPECT_EQ(skin.geometry(), QRect(0, 0, 700, 500));
    EXPECT_TRUE(skin.Draggable());
    EXPECT_EQ(skin.Mask().Owner(), &skin);
    EXPECT_FALSE(skin.Mask().Region().has_value());
}

TEST_F(CoolFormTest, LeftAndTopStayZeroWhateverTheyAreGiven) {
    TCoolForm skin(&form_);
    skin.SetLeft(100);
    skin.SetTop(100);
    EXPECT_EQ(skin.Left(), 0);
    EXPECT_EQ(skin.Top(), 0);
    skin.SetWidth(300);
    skin.SetHeight(200);
    EXPECT_EQ(skin.size(), QSize(300, 200));
}

TEST_F(CoolFormTest, AParentThatIsNoFormIsAcceptedAndKeepsItsStyle) {
    QWidget window;
    QWidget panel(&window);
    panel.setGeometry(10, 10, 200, 100);
    const Qt::WindowFlags before = panel.windowFlags();
    TCoolForm skin(&panel);
    EXPECT_EQ(panel.windowFlags(), before);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(skin.geometry(), QRect(0, 0, 200, 100));
    skin.ReadMask2(OneRectangleMask2(1, 0, 199, 100));
    EXPECT_EQ(panel.mask(), QRegion(1, 0, 198, 100));
}

TEST_F(CoolFormTest, ReparentingLaterTurnsTheNewFormBorderless) {
    TCoolForm skin;
    EXPECT_FALSE(form_.windowFlags().testFlag(Qt::FramelessWindowHint));
    skin.setParent(&form_);
    EXPECT_TRUE(form_.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(skin.geometry(), QRect(0, 0, 818, 663));
    skin.setParent(nullptr);
}

TEST_F(CoolFormTest, TheMainWindowsValueShapesTheWindowAndIsWrittenBackByteForByte) {
    TCoolForm skin(&form_);
    skin.ReadMask2(kMainWindowMask2);
    EXPECT_EQ(skin.MaskSize(), 48u);
    EXPECT_EQ(skin.MaskData().size(), 48u);
    ASSERT_TRUE(skin.Mask().Region().has_value());
    EXPECT_EQ(*skin.Mask().Region(), QRegion(1, 0, 798, 653));
    EXPECT_EQ(form_.mask(), QRegion(1, 0, 798, 653));
    // The first column and everything past the picture are cut away.
    EXPECT_FALSE(form_.mask().contains(QPoint(0, 10)));
    EXPECT_FALSE(form_.mask().contains(QPoint(799, 10)));
    EXPECT_FALSE(form_.mask().contains(QPoint(10, 653)));
    EXPECT_EQ(skin.WriteMask2(), kMainWindowMask2);
}

TEST_F(CoolFormTest, FourZeroBytesLeaveTheWindowWholeAndAreWrittenAgain) {
    TCoolForm skin(&form_);
    skin.ReadMask2(kZeroMask2);
    EXPECT_EQ(skin.MaskSize(), 0u);
    EXPECT_FALSE(skin.Mask().Region().has_value());
    EXPECT_TRUE(form_.mask().isEmpty());
    EXPECT_EQ(skin.WriteMask2(), kZeroMask2);
}

TEST_F(CoolFormTest, RejectedBytesGiveNoRegionAndNoReport) {
    TCoolForm skin(&form_);
    std::vector<uint8_t> truncated = kMainWindowMask2;
    truncated.resize(40);
    std::vector<uint8_t> emptyRectangle = OneRectangleMask2(5, 0, 5, 653);
    for (const auto& bytes : {truncated, emptyRectangle, std::vector<uint8_t>{1, 2}}) {
        skin.ReadMask2(bytes);
        EXPECT_FALSE(skin.Mask().Region().has_value());
        EXPECT_TRUE(form_.mask().isEmpty());
        EXPECT_EQ(skin.WriteMask2(), kZeroMask2);
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(reports_.empty());
}

TEST_F(CoolFormTest, AChangedPictureEmptiesMaskButTheWindowKeepsItsShape) {
    TCoolForm skin(&form_);
    skin.Picture().ReadEmbedded(EmbeddedBitmap(EdgedBackground(800, 653, Qt::green, Qt::red)));
    skin.ReadMask2(kMainWindowMask2);
    ASSERT_TRUE(skin.Mask().Region().has_value());

    skin.Picture().ReadEmbedded(EmbeddedBitmap(EdgedBackground(10, 10, Qt::blue, Qt::red)));
    EXPECT_EQ(skin.Picture().Width(), 10); // a bitmap stays what it is
    EXPECT_FALSE(skin.Mask().Region().has_value());
    EXPECT_EQ(form_.mask(), QRegion(1, 0, 798, 653));
    EXPECT_EQ(skin.WriteMask2(), kZeroMask2);
}

TEST_F(CoolFormTest, WithAParentEveryPictureBecomesABitmap) {
    TCoolForm skin(&form_);
    skin.ReadMask2(kMainWindowMask2);
    skin.Picture().ReadEmbedded(EmbeddedJpeg(16, 8));
    ASSERT_NE(skin.Picture().Graphic(), nullptr);
    EXPECT_STREQ(skin.Picture().Graphic()->ClassName(), "TBitmap");
    EXPECT_EQ(skin.Picture().Width(), 0);
    EXPECT_FALSE(skin.Mask().Region().has_value());
    EXPECT_EQ(form_.mask(), QRegion(1, 0, 798, 653));

    // Emptying the holder gives an empty bitmap as well.
    skin.Picture().SetGraphic(nullptr);
    ASSERT_NE(skin.Picture().Graphic(), nullptr);
    EXPECT_STREQ(skin.Picture().Graphic()->ClassName(), "TBitmap");
}

TEST_F(CoolFormTest, WithoutAParentAPictureKeepsItsClass) {
    TCoolForm skin;
    skin.Picture().ReadEmbedded(EmbeddedJpeg(16, 8));
    EXPECT_STREQ(skin.Picture().Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(skin.Picture().Width(), 16);
}

TEST_F(CoolFormTest, AGivenHolderReplacesTheOwnOneAndNullIsIgnored) {
    TCoolForm skin(&form_);
    auto holder = std::make_unique<TRegionType>();
    holder->SetRegion(QRegion(0, 0, 5, 5));
    TRegionType* given = holder.get();
    skin.SetMask(std::move(holder));
    EXPECT_EQ(&skin.Mask(), given);
    EXPECT_EQ(given->Owner(), &skin);
    skin.SetMask(nullptr);
    EXPECT_EQ(&skin.Mask(), given);
    EXPECT_EQ(skin.WriteMask2(), OneRectangleMask2(0, 0, 5, 5));
}

TEST_F(CoolFormTest, StoredEntryReadsBackIntoTheSameSkin) {
    TCoolForm skin(&form_);
    skin.setObjectName("CoolForm1");
    skin.ReadMask2(kMainWindowMask2);
    QJsonObject entry = StoreCoolForm(skin, "TForm1_CoolForm1.pic");
    EXPECT_EQ(entry.value("left").toInt(-1), 0);
    EXPECT_EQ(entry.value("top").toInt(-1), 0);
    EXPECT_EQ(entry.value("width").toInt(), 818);
    EXPECT_FALSE(entry.contains("Draggable")); // the default is not stored

    TForm copy("TFormS", QSize(818, 663), TForm::Placement::Centred);
    QJsonObject window{{"class", "TFormS"},
                       {"clientWidth", 818},
                       {"clientHeight", 663},
                       {"borderStyle", "bsNone"},
                       {"controls", QJsonArray{entry}}};
    const FormControls controls =
        BuildForm(copy, ReadFormDescription(QJsonDocument(window).toJson()), {});
    const TCoolForm& rebuilt = controls.Get<TCoolForm>("CoolForm1");
    EXPECT_EQ(rebuilt.WriteMask2(), kMainWindowMask2);
    EXPECT_EQ(copy.mask(), QRegion(1, 0, 798, 653));
    EXPECT_TRUE(rebuilt.Draggable());

    skin.SetDraggable(false);
    skin.ReadMask2(kZeroMask2);
    entry = StoreCoolForm(skin, QString());
    EXPECT_EQ(entry.value("Draggable"), QJsonValue(false));
    EXPECT_EQ(entry.value("Mask2").toString(), "00000000");
    EXPECT_FALSE(entry.contains("picture"));
}

TEST_F(CoolFormTest, RightAndMiddlePressesDoNothing) {
    TCoolForm skin(&form_);
    form_.move(50, 60);
    form_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form_));
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(&skin, button, {}, QPoint(100, 100));
        QTest::mouseMove(&skin, QPoint(200, 180));
        QTest::mouseRelease(&skin, button, {}, QPoint(200, 180));
        EXPECT_EQ(form_.pos(), QPoint(50, 60));
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    }
}

} // namespace

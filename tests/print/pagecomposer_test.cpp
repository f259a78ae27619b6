// The page drawn on an image at 254 dpi (10 pixels a millimetre), as the printer gets it.

#include "captionface.h"
#include "formdescription.h"
#include "pagechecks.h"
#include "pagecomposer.h"
#include "reportlayoutreader.h"

#include <QApplication>
#include <QPainter>
#include <QRawFont>
#include <gtest/gtest.h>

namespace {

ReportLayout StoredLayout() {
    const FormDescription form = LoadFormDescription(QStringLiteral("TForm4"));
    std::vector<QJsonObject> elements;
    for (const ControlDescription& control : form.controls)
        elements.push_back(control.raw);
    return ReadReportLayout(form.className, elements);
}

// An A4 sheet at 254 dpi whose device origin lies `originMm` inside the paper's corner.
PageImage Compose(const PageContent& content, ScreenResolution screen = {}, QPointF originMm = {}) {
    const int originX = qRound(originMm.x() * 10);
    const int originY = qRound(originMm.y() * 10);
    QImage image(2100 - originX, 2970 - originY, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    QPainter painter(&image);
    ComposePage(painter, StoredLayout(), {254, 254, originX, originY}, screen, content);
    painter.end();
    // Put the sheet back together so positions read from the paper's edge.
    QImage sheet(2100, 2970, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter(&sheet).drawImage(originX, originY, image);
    return PageImage(sheet, 10);
}

TEST(ComposePage, PictureAtItsScreenSizeWithWhiteRest) {
    const PageImage page = Compose({"HEKTOR", CheckerPicture(529, 450)});
    ExpectPicturePrinted(page, {529, 450}, 96, 0.15);
    ExpectCapitalsCaption(page, 0.15);
}

TEST(ComposePage, LargerPictureIsCutAtTheBoxNeverScaled) {
    const PageImage page = Compose({"HEKTOR", CheckerPicture(800, 700)});
    ExpectPicturePrinted(page, {800, 700}, 96, 0.15);
    // Nothing of the picture beyond the box: to the right margin and below down to the band end.
    EXPECT_TRUE(page.IsBlank({page::BoxRight + 0.2, 20, 17, 180}));
    EXPECT_TRUE(page.IsBlank({0, page::BoxBottom + 0.2, 210, 100}));
}

TEST(ComposePage, WiderOnlyAndTallerOnly) {
    ExpectPicturePrinted(Compose({"", CheckerPicture(900, 200)}), {900, 200}, 96, 0.15);
    ExpectPicturePrinted(Compose({"", CheckerPicture(150, 640)}), {150, 640}, 96, 0.15);
}

TEST(ComposePage, ScreenResolutionSetsThePhysicalSize) {
    // At 120 dpi a screen pixel is smaller: 529 pixels are 111.97 mm.
    const PageImage page = Compose({"", CheckerPicture(529, 450)}, {120, 120});
    ExpectPicturePrinted(page, {529, 450}, 120, 0.15);
}

TEST(ComposePage, PositionsHoldFromThePaperEdgeWhateverTheUnprintableMargin) {
    const PageImage page = Compose({"HEKTOR", CheckerPicture(529, 450)}, {}, {6.35, 4.2});
    ExpectPicturePrinted(page, {529, 450}, 96, 0.15);
    ExpectCapitalsCaption(page, 0.15);
}

TEST(ComposePage, NoPictureLeavesTheBoxEmptyAndPrintsTheTitle) {
    const PageImage page = Compose({"HEKTOR", QImage()});
    EXPECT_TRUE(page.IsBlank(page::Box));
    ExpectCapitalsCaption(page, 0.15);
}

TEST(ComposePage, EmptyTitlePrintsNoInk) {
    const PageImage page = Compose({"", QImage()});
    EXPECT_TRUE(page.IsBlank({0, 0, 210, 297}));
}

TEST(ComposePage, LineFeedsAreDroppedFromTheOneLine) {
    const auto joined = Compose({"EGYKETTO", QImage()}).InkBounds(page::CaptionRow);
    const auto withFeed = Compose({"EGY\nKETTO", QImage()}).InkBounds(page::CaptionRow);
    ASSERT_TRUE(joined && withFeed);
    EXPECT_NEAR(withFeed->left(), joined->left(), 0.05);
    EXPECT_NEAR(withFeed->right(), joined->right(), 0.05);
    EXPECT_NEAR(withFeed->bottom(), joined->bottom(), 0.05);
}

TEST(ComposePage, LongTitleRunsPastTheMarginOnOneLine) {
    // 255 characters of a catalogue title, far wider than the 190 mm between the margins.
    std::string title;
    while (title.size() < 255)
        title += "Tihanyi ap\xE1ts\xE1g ";
    title.resize(255);
    const PageImage page = Compose({title, CheckerPicture(529, 450)});
    const auto ink = page.InkBounds({0, 10, 210, page::BoxTop - 10.5});
    ASSERT_TRUE(ink);
    EXPECT_GT(ink->right(), 209.0) << "the title stops short of the paper's edge";
    // One line of 15 pt: ascender to descender well under two lines.
    EXPECT_LT(ink->height(), 7.5);
    ExpectPicturePrinted(page, {529, 450}, 96, 0.15);
}

TEST(ComposePage, AccentedTitleSitsOnTheSameBaseline) {
    // "HÁZ" needs the regular face emboldened on this system; "HAZ" uses the bold face. The
    // capitals' feet stand on the same baseline and the same left edge either way.
    const auto plain = Compose({"HAZ", QImage()}).InkBounds(page::CaptionRow);
    const auto accented = Compose({"H\xC1Z", QImage()}).InkBounds(page::CaptionRow);
    ASSERT_TRUE(plain && accented);
    EXPECT_NEAR(accented->bottom(), plain->bottom(), 0.2);
    EXPECT_NEAR(accented->left(), plain->left(), 0.2);
    EXPECT_LT(accented->top(), plain->top() - 0.3) << "the accent is missing";
}

// Whether the one face behind `font` draws every letter, no fallback family filling in.
bool OneFaceDrawsAll(const QFont& font, const QString& text) {
    const QRawFont face = QRawFont::fromFont(font);
    for (const char32_t character : text.toUcs4()) {
        if (character != U' ' && !face.supportsCharacter(character))
            return false;
    }
    return face.familyName() == QLatin1String("EB Garamond");
}

TEST(CaptionFace, OneFamilyForEveryLetterOfTheTitle) {
    const ReportFont garamondBold{"Garamond", -20, 1, true};
    for (const char* title :
         {"Őrségi fazekasság – Árvíztűrő", "Balatonfüredi szanatórium", "HEKTOR"}) {
        const QString text = QString::fromUtf8(title);
        const CaptionFace face = ChooseCaptionFace(garamondBold, 250, text);
        EXPECT_TRUE(OneFaceDrawsAll(face.font, text))
            << title << ": " << QRawFont::fromFont(face.font).familyName().toStdString() << " "
            << QRawFont::fromFont(face.font).styleName().toStdString();
    }
    // Where the bold face has every letter it is used as it is.
    const CaptionFace ascii = ChooseCaptionFace(garamondBold, 250, "HEKTOR");
    EXPECT_EQ(ascii.embolden, 0);
    EXPECT_EQ(QRawFont::fromFont(ascii.font).weight(), QFont::Bold);
}

} // namespace

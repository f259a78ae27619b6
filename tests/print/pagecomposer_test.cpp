// The page drawn on an image at 254 dpi (10 pixels a millimetre), as a printer would get it.

#include "print/captionface.h"
#include "print/pagecomposer.h"
#include "print/reportlayoutreader.h"
#include "skin/skin.h"
#include "tests/print/pagechecks.h"

#include <QPainter>
#include <QRawFont>
#include <gtest/gtest.h>

namespace {

// An A4 sheet whose device origin lies `originMm` inside the paper's corner (the printer's
// unprintable margin), put back together so positions read from the paper's edge.
PageImage Compose(const PageContent& content, ScreenResolution screen = {}, QPointF originMm = {}) {
    std::vector<QJsonObject> elements;
    for (const ControlDescription& control : LoadFormDescription("TForm4").controls)
        elements.push_back(control.raw);
    const QPoint origin = (originMm * 10).toPoint();
    QImage printable(QSize(2100, 2970) - QSize(origin.x(), origin.y()), QImage::Format_RGB32);
    printable.fill(Qt::white);
    printable.setDotsPerMeterX(10000);
    printable.setDotsPerMeterY(10000);
    QPainter painter(&printable);
    ComposePage(painter, ReadReportLayout("TForm4", elements), {254, 254, origin.x(), origin.y()},
                screen, content);
    painter.end();
    QImage sheet(2100, 2970, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter(&sheet).drawImage(origin, printable);
    return PageImage(sheet, 10);
}

TEST(ComposePage, PositionsHoldFromThePaperEdgeWhateverTheUnprintableMargin) {
    for (const QPointF margin : {QPointF(0, 0), QPointF(6.35, 4.2)}) {
        const PageImage page = Compose({"HEKTOR", CheckerPicture(529, 450)}, {}, margin);
        ExpectPicturePrinted(page, {529, 450}, 96, 0.15);
        ExpectCapitalsCaption(page, 0.15);
    }
}

TEST(ComposePage, PictureKeepsItsScreenSizeAndIsCutNeverScaled) {
    // At 120 dpi a screen pixel is smaller: 529 pixels are 111.97 mm.
    ExpectPicturePrinted(Compose({"", CheckerPicture(529, 450)}, {120, 120}), {529, 450}, 120);
    ExpectPicturePrinted(Compose({"", CheckerPicture(900, 200)}), {900, 200});
    ExpectPicturePrinted(Compose({"", CheckerPicture(150, 640)}), {150, 640});
}

TEST(ComposePage, LineFeedsAreDroppedFromTheOneLine) {
    const auto joined = Compose({"EGYKETTO", QImage()}).InkBounds(page::CaptionRow);
    const auto withFeed = Compose({"EGY\nKETTO", QImage()}).InkBounds(page::CaptionRow);
    ASSERT_TRUE(joined && withFeed);
    EXPECT_EQ(*withFeed, *joined);
}

TEST(ComposePage, AccentedTitleSitsOnTheSameBaselineInOneFamily) {
    // "HÁZ" needs the regular face emboldened here; "HAZ" has the bold face.
    const auto plain = Compose({"HAZ", QImage()}).InkBounds(page::CaptionRow);
    const auto accented = Compose({"H\xC1Z", QImage()}).InkBounds(page::CaptionRow);
    ASSERT_TRUE(plain && accented);
    EXPECT_NEAR(accented->bottom(), plain->bottom(), 0.2);
    EXPECT_NEAR(accented->left(), plain->left(), 0.2);
    EXPECT_LT(accented->top(), plain->top() - 0.3) << "the accent is missing";

    const ReportFont garamondBold{"Garamond", -20, 1, true};
    for (const char* title : {"Őrségi fazekasság – Árvíztűrő", "Balatonfüredi", "HEKTOR"}) {
        // The one face behind the font draws every letter; no other family fills in.
        const QRawFont face = QRawFont::fromFont(ChooseCaptionFace(garamondBold, 250, title).font);
        EXPECT_EQ(face.familyName(), "EB Garamond") << title;
        for (const char32_t letter : QString(title).remove(' ').toUcs4())
            EXPECT_TRUE(face.supportsCharacter(letter))
                << title << ": U+" << std::hex << unsigned(letter);
    }
    EXPECT_EQ(ChooseCaptionFace(garamondBold, 250, "HEKTOR").embolden, 0);
}

} // namespace

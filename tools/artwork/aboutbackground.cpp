#include "tools/artwork/backgrounds.h"

#include "tools/artwork/emblems.h"
#include "tools/artwork/faces.h"
#include "tools/artwork/layout.h"
#include "tools/artwork/lettering.h"
#include "tools/artwork/palette.h"

namespace {

using namespace AboutLayout;

const QColor Dark(64, 42, 20);

struct Column {
    QPainter& painter;
    qreal centre;
    qreal baseline;

    void Heading(const QString& text) {
        PaintText(painter, text, SerifFont(Face::Regular, 16, true), centre, baseline,
                  Palette::Lettering, 2.4);
        baseline += 24;
    }
    void Line(const QString& text) {
        PaintText(painter, text, SerifFont(Face::Regular, 16), centre, baseline, Dark, 0.8);
        baseline += 22;
    }
    void Space(qreal pixels) { baseline += pixels; }
};

// The two columns at their natural size; the caller stretches them over the credits block.
void DrawCredits(QPainter& painter) {
    const qreal top = 20, columnWidth = 260, gutter = 28;
    Column left{painter, columnWidth / 2, top};
    left.Heading(QStringLiteral("A gyűjtemény munkatársai"));
    left.Line(QStringLiteral("gyűjteményvezető"));
    left.Line(QStringLiteral("művészettörténészek"));
    left.Line(QStringLiteral("restaurátorok"));
    left.Line(QStringLiteral("levéltári kutatás"));
    left.Space(18);
    left.Heading(QStringLiteral("Fényképek"));
    left.Line(QStringLiteral("a gyűjtemény fotóműterme"));
    PaintHandwrittenMark(painter, QRectF(left.centre - 40, left.baseline - 10, 80, 26), Dark);
    left.Space(34);
    left.Heading(QStringLiteral("Tervezés"));
    left.Line(QStringLiteral("a Vendral grafikai műhelye"));
    left.Line(QStringLiteral("betűk: Garamond"));

    const qreal rightLeft = columnWidth + gutter;
    Column right{painter, rightLeft + columnWidth / 2, top};
    right.Heading(QStringLiteral("Szoftver"));
    right.Line(QStringLiteral("a Vendral program fejlesztői"));
    right.Line(QStringLiteral("katalógus, képnéző, nyomtatás"));
    right.Space(18);
    right.Heading(QStringLiteral("Támogatók"));
    right.Space(6);
    const QString supporters[4] = {
        QStringLiteral("Műemlékvédelmi Alapítvány"), QStringLiteral("Megyei Múzeumi Szervezet"),
        QStringLiteral("Egyházmegyei Könyvtár"), QStringLiteral("Városi Közművelődési Alap")};
    for (int i = 0; i < 4; ++i) {
        const qreal rowTop = right.baseline - 12;
        PaintSupporterEmblem(painter, QRectF(rightLeft + 4, rowTop, 30, 30), i, Palette::Lettering,
                             Palette::AboutPage);
        PaintText(painter, supporters[i], SerifFont(Face::Regular, 16), rightLeft + 150,
                  rowTop + 20, Dark, 0.6);
        right.Space(38);
    }
}

} // namespace

QImage PaintAboutBackground() {
    QImage image = FlatImage(Size, Palette::Ground);
    PaintOutline(image, Palette::Outline, false); // top and bottom only
    QPainter painter(&image);
    painter.fillRect(Page, Palette::AboutPage);

    PaintFilling(painter, Size, Credits, DrawCredits);

    LetteringStyle notice;
    notice.leading = 1.12;
    PaintLettering(
        painter,
        {QStringLiteral(
             "A fényképek nyomdai minőségű másolatai a gyűjtemény fotótárában személyesen is "
             "megrendelhetők."),
         QStringLiteral("Kapcsolat: Vendral Gyűjtemény, fotótár"),
         QStringLiteral("Telefon: (06 1) 555 0140")},
        SerifFont(Face::Regular, 20), Notice, Dark, notice);

    PaintRaisedFace(painter, OkFace, Palette::SmallFace);
    LetterFace(painter, OkFace, QStringLiteral("OK"), true, 13, Qt::black);
    return image;
}

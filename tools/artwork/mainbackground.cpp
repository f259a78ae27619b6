#include "tools/artwork/backgrounds.h"

#include "tools/artwork/emblems.h"
#include "tools/artwork/faces.h"
#include "tools/artwork/layout.h"
#include "tools/artwork/lettering.h"
#include "tools/artwork/palette.h"

namespace {

using namespace MainLayout;

void LetterFace(QPainter& painter, const QRect& face, const QString& text, bool italic = false) {
    ::LetterFace(painter, face, text, italic, 17, Palette::MainButtonLettering);
}

void PaintExitMark(QPainter& painter) {
    const QRectF cross = QRectF(ExitFace).adjusted(8, 8, -8, -7);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Palette::MainButtonLettering, 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
    painter.restore();
}

} // namespace

QImage PaintMainBackground() {
    QImage image = FlatImage(Size, Palette::Ground);
    PaintOutline(image, Palette::MainFace);
    QPainter painter(&image);

    PaintPanel(painter, PicturePanel, Palette::Panel, 4);
    PaintPanel(painter, StripPanel, Palette::Panel, 4);
    PaintChevron(painter, LeftChevron(), true, Palette::ChevronFill, Palette::ChevronEdge);
    PaintChevron(painter, RightChevron(), false, Palette::ChevronFill, Palette::ChevronEdge);

    PaintRaisedFace(painter, SaveFace, Palette::MainFace);
    LetterFace(painter, SaveFace, QStringLiteral("Mentés"));
    PaintRaisedFace(painter, PrintFace, Palette::MainFace);
    LetterFace(painter, PrintFace, QStringLiteral("Nyomtat"));
    PaintRaisedFace(painter, ExitFace, Palette::MainFace);
    PaintExitMark(painter);

    PaintSunken(painter, ListPanel, Palette::Panel, Palette::Ground);
    const QFont caption = SerifFont(Face::Italic, 20);
    PaintLettering(painter, {QStringLiteral("Leírás az oltárról >>")}, caption, DescriptionCaption,
                   Palette::Lettering);

    PaintSunken(painter, InputField, Palette::Panel, Palette::Ground);
    PaintRaisedFace(painter, SearchFace, Palette::MainFace);
    LetterFace(painter, SearchFace, QStringLiteral("OK"), true);

    PaintRadio(painter, Radio1, true);
    PaintLettering(painter, {QStringLiteral("Helynév és idő szerinti keresés")}, caption,
                   Radio1Caption, Palette::Lettering);
    PaintRadio(painter, Radio2, false);
    PaintLettering(painter, {QStringLiteral("Ikonográfiai mutató alapján")}, caption, Radio2Caption,
                   Palette::Lettering);

    PaintOwnerLogo(painter, Logo, Palette::Lettering);
    return image;
}

#include "tools/artwork/backgrounds.h"

#include "tools/artwork/faces.h"
#include "tools/artwork/layout.h"
#include "tools/artwork/lettering.h"
#include "tools/artwork/palette.h"

namespace {

QImage FramedPage(QSize size, const QRect& page) {
    QImage image = FlatImage(size, Palette::Ground);
    PaintOutline(image, Palette::Outline);
    QPainter painter(&image);
    PaintFrame(painter, page, Palette::Outline);
    painter.fillRect(page, Palette::Page);
    return image;
}

// A small face with bold black lettering; the OK faces are italic.
void SmallFace(QPainter& painter, const QRect& face, const QString& text) {
    PaintRaisedFace(painter, face, Palette::SmallFace);
    LetterFace(painter, face, text, text == QLatin1String("OK"), 13, Qt::black);
}

// The messages are short for their areas, so they open up a little more than captions do.
void Message(QPainter& painter, const QString& text, const QRect& area) {
    LetteringStyle open;
    open.maxWordSpace = 0.3;
    open.maxTracking = 0.05;
    PaintLettering(painter, {text}, SerifFont(Face::Italic, 20), area, Palette::Lettering, open);
}

} // namespace

QImage PaintNoHitsBackground() {
    using namespace MessageLayout;
    QImage image = FramedPage(Size, Page);
    QPainter painter(&image);
    Message(painter, QStringLiteral("A keresett szöveg nem található!"), NoHitsText);
    SmallFace(painter, OkFace, QStringLiteral("OK"));
    return image;
}

QImage PaintPrintQuestionBackground() {
    using namespace MessageLayout;
    QImage image = FramedPage(Size, Page);
    QPainter painter(&image);
    Message(painter, QStringLiteral("Nyomtatni szeretné a képet?"), QuestionText);
    SmallFace(painter, YesFace, QStringLiteral("Igen"));
    SmallFace(painter, NoFace, QStringLiteral("Nem"));
    return image;
}

QImage PaintDescriptionBackground() {
    using namespace DescriptionLayout;
    QImage image = FramedPage(Size, Page);
    QPainter painter(&image);
    SmallFace(painter, OkFace, QStringLiteral("OK"));
    return image;
}

QImage PaintIntroBackground() {
    using namespace IntroLayout;
    QImage image = FramedPage(Size, Page);
    QPainter painter(&image);
    SmallFace(painter, OkFace, QStringLiteral("OK"));
    PaintTriangle(painter, PrevTriangle, true, Palette::Triangle);
    PaintTriangle(painter, NextTriangle, false, Palette::Triangle);
    // The last column is white in the picture; the window region cuts it away.
    painter.fillRect(Size.width() - 1, 0, 1, Size.height(), Qt::white);
    return image;
}

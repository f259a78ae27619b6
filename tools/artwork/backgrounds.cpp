#include "backgrounds.h"

#include "layout.h"
#include "palette.h"

#include <QPainter>

namespace {

QImage Ground(QSize size, const QColor& colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void Outline(QImage& image, const QColor& colour) {
    QPainter painter(&image);
    painter.setPen(colour);
    painter.drawRect(1, 0, image.width() - 3, image.height() - 1);
}

} // namespace

QImage PaintMainBackground() {
    using namespace MainLayout;
    QImage image = Ground(Size, Palette::Ground);
    Outline(image, Palette::MainFace);
    QPainter painter(&image);
    for (QRect panel : {PicturePanel, StripPanel, ListPanel, InputField})
        painter.fillRect(panel, Palette::Panel);
    for (QRect face : {SaveFace, PrintFace, ExitFace, SearchFace})
        painter.fillRect(face, Palette::MainFace);
    for (QRect chevron : {LeftChevron, RightChevron})
        painter.fillRect(chevron, Palette::ChevronFill);
    for (QRect text : {DescriptionCaption, Radio1Caption, Radio2Caption})
        painter.fillRect(text.adjusted(0, 6, 0, -6), Palette::Lettering);
    return image;
}

QImage PaintNoHitsBackground() {
    using namespace MessageLayout;
    QImage image = Ground(Size, Palette::Ground);
    Outline(image, Palette::Outline);
    QPainter painter(&image);
    painter.fillRect(Page, Palette::Page);
    painter.fillRect(NoHitsText.adjusted(0, 6, 0, -6), Palette::Lettering);
    painter.fillRect(OkFace, Palette::SmallFace);
    return image;
}

QImage PaintPrintQuestionBackground() {
    using namespace MessageLayout;
    QImage image = Ground(Size, Palette::Ground);
    Outline(image, Palette::Outline);
    QPainter painter(&image);
    painter.fillRect(Page, Palette::Page);
    painter.fillRect(QuestionText.adjusted(0, 6, 0, -6), Palette::Lettering);
    painter.fillRect(YesFace, Palette::SmallFace);
    painter.fillRect(NoFace, Palette::SmallFace);
    return image;
}

QImage PaintDescriptionBackground() {
    using namespace DescriptionLayout;
    QImage image = Ground(Size, Palette::Ground);
    Outline(image, Palette::Outline);
    QPainter painter(&image);
    painter.fillRect(Page, Palette::Page);
    painter.fillRect(OkFace, Palette::SmallFace);
    return image;
}

QImage PaintSplashBackground() {
    using namespace SplashLayout;
    QImage image = Ground(Size, Palette::Ground);
    QPainter painter(&image);
    painter.fillRect(0, 0, PageRight, Size.height(), Palette::Panel);
    painter.fillRect(Photo, QColor(120, 90, 60));
    return image;
}

QImage PaintAboutBackground() {
    using namespace AboutLayout;
    QImage image = Ground(Size, Palette::Ground);
    QPainter painter(&image);
    painter.setPen(Palette::Outline);
    painter.drawLine(0, 0, Size.width() - 1, 0);
    painter.drawLine(0, Size.height() - 1, Size.width() - 1, Size.height() - 1);
    painter.fillRect(Page, Palette::AboutPage);
    painter.fillRect(OkFace, Palette::SmallFace);
    return image;
}

QImage PaintIntroBackground() {
    using namespace IntroLayout;
    QImage image = Ground(Size, Palette::Ground);
    Outline(image, Palette::Outline);
    QPainter painter(&image);
    painter.fillRect(Page, Palette::Page);
    painter.fillRect(OkFace, Palette::SmallFace);
    painter.fillRect(PrevTriangle, Palette::Triangle);
    painter.fillRect(NextTriangle, Palette::Triangle);
    painter.setPen(Qt::white);
    painter.drawLine(Size.width() - 1, 0, Size.width() - 1, Size.height() - 1);
    return image;
}

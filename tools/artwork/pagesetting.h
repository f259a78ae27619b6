#pragma once
// Pages of running text set as pictures: dark serif text on the page colour under a heading in
// the lettering colour, paragraphs justified, as large as the page allows from a comfortable
// reading size down to the smallest that still reads well.

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

struct DescriptionPageText {
    QString title, place, time;
    QStringList paragraphs;
    QString initials; // the author of the text, set under it
    QStringList pictures;
};

struct IntroductionPageText {
    QString heading;
    QStringList paragraphs;
};

struct SetPage {
    QImage image;
    bool fits = false;  // false: even the smallest size runs past the foot, and the image is cut
    qreal bodySize = 0; // the size of the running text, in pixels
    qreal overflow = 0; // at the smallest size, the share of the text that does not fit
};

SetPage SetDescriptionPage(QSize size, const DescriptionPageText& text);
SetPage SetIntroductionPage(QSize size, const IntroductionPageText& text);

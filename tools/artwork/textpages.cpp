#include "tools/artwork/textpages.h"

#include "tools/artwork/democontent.h"
#include "tools/artwork/descriptions.h"
#include "tools/artwork/layout.h"
#include "tools/artwork/lettering.h"
#include "tools/artwork/palette.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

namespace {

constexpr int SideMargin = 24;
constexpr int TopMargin = 12;
// Pages 3 and 10 lose up to 7 bottom rows in the description window, so keep clear of them.
constexpr int BottomMargin = 14;

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

// The page as rich text at a body size of `size` pixels.
using PageHtml = QString (*)(int which, qreal size);

QString DescriptionHtml(int k, qreal size) {
    const DemoEntry& entry = DemoEntries()[k - 1];
    QStringList names;
    for (const DemoPicture& picture : entry.pictures)
        names << Escaped(picture.name);
    const QString colour = Palette::Lettering.name();
    return QString("<p style=\"font-style:italic; font-size:%1px; color:%2; margin-bottom:2px\">"
                   "%3</p>"
                   "<p style=\"font-size:%4px; color:%2; margin-bottom:%5px\">%6 &middot; %7</p>"
                   "<p align=\"justify\" style=\"font-size:%8px\">%9</p>"
                   "<p align=\"right\" style=\"font-size:%8px; font-style:italic\">— %10</p>"
                   "<p style=\"font-size:%11px; margin-top:%5px\"><i>Felvételek:</i> %12</p>")
        .arg(size * 1.45)
        .arg(colour, Escaped(entry.title))
        .arg(size * 0.92)
        .arg(size * 0.5)
        .arg(Escaped(entry.place), Escaped(entry.time))
        .arg(size)
        .arg(Escaped(entry.description), Escaped(entry.initials))
        .arg(size * 0.85)
        .arg(names.join(", "));
}

QString IntroHtml(int page, qreal size) {
    const IntroPageText text = IntroText(page);
    QString html = QString("<p align=\"center\" style=\"font-style:italic; font-size:%1px; "
                           "color:%2; margin-bottom:%3px\">%4</p>")
                       .arg(size * 1.6)
                       .arg(Palette::Lettering.name())
                       .arg(size * 0.4)
                       .arg(Escaped(text.heading));
    for (const QString& paragraph : text.paragraphs)
        html += QString("<p align=\"justify\" style=\"font-size:%1px; margin-bottom:%2px\">%3</p>")
                    .arg(size)
                    .arg(size * 0.55)
                    .arg(Escaped(paragraph));
    return html;
}

// Sets the text as large as it fits, from a comfortable reading size down.
QImage SetPage(QSize size, PageHtml html, int which, qreal largest) {
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(SerifFont(Face::Regular, largest));
    document.setDefaultStyleSheet(
        QString("p { color: %1; margin-top: 0px; line-height: 118%; }").arg(Palette::Ink.name()));
    document.setTextWidth(size.width() - 2 * SideMargin);
    for (qreal body = largest; body >= 12; body -= 0.5) {
        document.setHtml(html(which, body));
        if (document.size().height() <= size.height() - TopMargin - BottomMargin)
            break;
    }

    QImage image(size, QImage::Format_RGB32);
    image.fill(Palette::Page);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(SideMargin, TopMargin);
    document.drawContents(&painter);
    return image;
}

} // namespace

QImage PaintDescriptionPage(int k) {
    return SetPage(DescriptionPageSizes[k - 1], DescriptionHtml, k, 20);
}

QImage PaintIntroPage(int page) {
    return SetPage(IntroPageSizes[page - 1], IntroHtml, page, 21);
}

#include "tools/artwork/pagesetting.h"

#include "tools/artwork/lettering.h"
#include "tools/artwork/palette.h"

#include <QPainter>
#include <QTextDocument>

#include <functional>

namespace {

constexpr int SideMargin = 24;
constexpr int TopMargin = 12;
// Pages 3 and 10 lose up to 7 bottom rows in the description window, so keep clear of them.
constexpr int BottomMargin = 14;
constexpr qreal SmallestBody = 12;

// A "%" is written as an entity so the text can never be taken for a placeholder of arg().
QString Escaped(const QString& text) {
    return text.toHtmlEscaped().replace('%', QLatin1String("&#37;"));
}

QString DescriptionHtml(const DescriptionPageText& text, qreal size) {
    QStringList names;
    for (const QString& picture : text.pictures)
        names << Escaped(picture);
    QString body;
    for (const QString& paragraph : text.paragraphs)
        body += QString("<p align=\"justify\" style=\"font-size:%1px\">%2</p>")
                    .arg(size)
                    .arg(Escaped(paragraph));
    if (!text.initials.isEmpty())
        body += QString("<p align=\"right\" style=\"font-size:%1px; font-style:italic\">— %2</p>")
                    .arg(size)
                    .arg(Escaped(text.initials));
    const QString colour = Palette::Lettering.name();
    return QString("<p style=\"font-style:italic; font-size:%1px; color:%2; margin-bottom:2px\">"
                   "%3</p>"
                   "<p style=\"font-size:%4px; color:%2; margin-bottom:%5px\">%6 &middot; %7</p>"
                   "%8"
                   "<p style=\"font-size:%9px; margin-top:%5px\"><i>Felvételek:</i> %10</p>")
        .arg(size * 1.45)
        .arg(colour, Escaped(text.title))
        .arg(size * 0.92)
        .arg(size * 0.5)
        .arg(Escaped(text.place), Escaped(text.time), body)
        .arg(size * 0.85)
        .arg(names.join(", "));
}

QString IntroductionHtml(const IntroductionPageText& text, qreal size) {
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

SetPage Set(QSize size, const std::function<QString(qreal)>& html, qreal largest) {
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(SerifFont(Face::Regular, largest));
    document.setDefaultStyleSheet(
        QString("p { color: %1; margin-top: 0px; line-height: 118%; }").arg(Palette::Ink.name()));
    document.setTextWidth(size.width() - 2 * SideMargin);
    const qreal room = size.height() - TopMargin - BottomMargin;
    SetPage page;
    for (qreal body = largest; body >= SmallestBody; body -= 0.5) {
        document.setHtml(html(body));
        page.bodySize = body;
        page.fits = document.size().height() <= room;
        if (page.fits)
            break;
    }
    if (!page.fits)
        page.overflow = 1 - room / document.size().height();

    page.image = QImage(size, QImage::Format_RGB32);
    page.image.fill(Palette::Page);
    QPainter painter(&page.image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(SideMargin, TopMargin);
    document.drawContents(&painter);
    return page;
}

} // namespace

SetPage SetDescriptionPage(QSize size, const DescriptionPageText& text) {
    return Set(
        size, [&](qreal body) { return DescriptionHtml(text, body); }, 20);
}

SetPage SetIntroductionPage(QSize size, const IntroductionPageText& text) {
    return Set(
        size, [&](qreal body) { return IntroductionHtml(text, body); }, 21);
}

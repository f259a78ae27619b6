#include "tools/make/ownbackgrounds.h"

#include "catalogue/pagefiles.h"
#include "tools/artwork/artwork.h"

#include <QTransform>

#include <algorithm>
#include <stdexcept>

namespace {

const QColor DarkBrown(92, 54, 18); // the splash's title and sponsor lines
const QColor Dark(64, 42, 20);      // the about window's lines

// Below this share of its natural size lettering no longer reads as the rest of the window.
constexpr qreal SmallestScale = 0.7;

[[noreturn]] void TooLong(const QString& what, const QRectF& area) {
    throw std::runtime_error(QStringLiteral("%1 is too long for its %2 x %3 pixels")
                                 .arg(what)
                                 .arg(area.width())
                                 .arg(area.height())
                                 .toStdString());
}

// Lines centred under each other, `pitch` apart, at the font's size, the ink's left at 0.
QPainterPath CentredLines(const QStringList& lines, const QFont& font, qreal tracking,
                          qreal pitch) {
    std::vector<QPainterPath> paths;
    qreal widest = 0;
    for (const QString& line : lines) {
        paths.push_back(TextPath(line, font, tracking));
        widest = std::max(widest, paths.back().boundingRect().width());
    }
    QPainterPath block;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const QRectF ink = paths[i].boundingRect();
        block.addPath(
            paths[i].translated((widest - ink.width()) / 2 - ink.left(), qreal(i) * pitch));
    }
    return block;
}

// The path at `scale`, centred in `area`.
QPainterPath Centred(const QPainterPath& path, const QRectF& area, qreal scale, const QRectF& ink) {
    QTransform transform;
    transform.translate(area.center().x(), area.center().y());
    transform.scale(scale, scale);
    transform.translate(-ink.center().x(), -ink.center().y());
    return transform.map(path);
}

// Where the ink may go: antialiased edges reach half a pixel beyond the outline.
QRectF Inside(const QRect& area) {
    return QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5);
}

} // namespace

QSize SplashPhotoSize() {
    return SplashLayout::Photo.size();
}

QImage DefaultSplashPhoto() {
    return PaintExhibitionHall(SplashPhotoSize());
}

QImage PaintOwnSplash(const QString& title, const QStringList& sponsorLines,
                      const QImage& photograph) {
    using namespace SplashLayout;
    QImage image = FlatImage(Size, Palette::Ground);
    QPainter painter(&image);
    painter.fillRect(0, 0, PageRight, Size.height(), Palette::Panel);

    // The title in spaced small capitals as tall as its area allows, narrower titles centred.
    if (!title.isEmpty()) {
        const QFont font = SerifFont(Face::Regular, 40, true);
        const QPainterPath path = TextPath(title, font, 0.08 * font.pixelSize());
        const QRectF ink = path.boundingRect();
        const QRectF area = Inside(Title);
        const qreal tall = area.height() / ink.height();
        const qreal scale = std::min(tall, area.width() / ink.width());
        if (scale < SmallestScale * tall)
            TooLong(QStringLiteral("the collection's title"), Title);
        FillPath(painter, Centred(path, area, scale, ink), DarkBrown);
    }

    painter.save();
    for (int i = 4; i >= 1; --i)
        painter.fillRect(Photo.translated(-i + 1, i), QColor(60, 40, 20, 22));
    painter.restore();
    painter.drawImage(Photo.topLeft(), photograph);

    // Sponsor lines as three of them would fill the credit area, fewer ones centred in it.
    if (!sponsorLines.isEmpty()) {
        const QFont font = SerifFont(Face::Regular, 30, true);
        const qreal pitch = 1.15 * font.pixelSize();
        const qreal tracking = 0.1 * font.pixelSize();
        const QRectF area = Inside(Credit);
        const qreal full =
            CentredLines({"Á", "Á", "Áp"}, font, tracking, pitch).boundingRect().height();
        const QPainterPath block = CentredLines(sponsorLines, font, tracking, pitch);
        const QRectF ink = block.boundingRect();
        const qreal natural = area.height() / full;
        const qreal scale =
            std::min({natural, area.width() / ink.width(), area.height() / ink.height()});
        if (scale < SmallestScale * natural)
            TooLong(QStringLiteral("a sponsor line"), Credit);
        FillPath(painter, Centred(block, area, scale, ink), DarkBrown);
    }

    // The program's emblem without a name: the collection's own name is the title.
    FillPath(painter, FitInto(EmblemFigure(), Inside(Logo)), Palette::Lettering);
    return image;
}

namespace {

// A word that is only a separator ("·", "-"): a line is not begun or ended with one.
bool IsSeparator(const QString& word) {
    return std::none_of(word.begin(), word.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// The words broken into lines after each index in `breaks`, separators at the breaks dropped.
QStringList Lines(const QStringList& words, const std::vector<int>& breaks) {
    QStringList lines;
    int from = 0;
    for (std::size_t i = 0; i <= breaks.size(); ++i) {
        const int to = i < breaks.size() ? breaks[i] : int(words.size());
        QStringList line = words.mid(from, to - from);
        while (!line.isEmpty() && IsSeparator(line.front()))
            line.removeFirst();
        while (!line.isEmpty() && IsSeparator(line.back()))
            line.removeLast();
        if (line.isEmpty())
            return {};
        lines << line.join(' ');
        from = to;
    }
    return lines;
}

// Every way of breaking the words into one, two or three lines, fewer lines first.
std::vector<QStringList> LineBreakings(const QStringList& words) {
    std::vector<QStringList> all{{words.join(' ')}};
    const int n = int(words.size());
    for (int first = 1; first < n; ++first)
        if (QStringList lines = Lines(words, {first}); !lines.isEmpty())
            all.push_back(lines);
    for (int first = 1; first < n; ++first)
        for (int second = first + 1; second < n; ++second)
            if (QStringList lines = Lines(words, {first, second}); !lines.isEmpty())
                all.push_back(lines);
    return all;
}

} // namespace

QImage PaintOwnLogo(const QString& name) {
    const QRectF area = Inside(QRect(QPoint(0, 0), MainLayout::Logo.size()));
    // The built-in logo's name is drawn at 40 pixels and shown at about a third of that; the
    // own name is no larger, and below SmallestScale of it no longer reads.
    constexpr qreal NaturalScale = 0.36;
    // The name takes at most this share of the box's height; the figure has the rest.
    constexpr qreal NameShare = 0.45, Gap = 4;
    const QFont font = SerifFont(Face::Regular, 40, true);
    const qreal tracking = 0.08 * font.pixelSize(), pitch = 1.1 * font.pixelSize();

    const QStringList words = name.split(' ', Qt::SkipEmptyParts);
    QImage image = FlatImage(MainLayout::Logo.size(), Palette::Ground);
    QPainter painter(&image);
    if (words.isEmpty()) { // the emblem alone, as on the splash
        FillPath(painter, FitInto(EmblemFigure(), area), Palette::Lettering);
        return image;
    }
    if (words.size() > 24)
        TooLong(QStringLiteral("the collection's title in the main window's logo"),
                MainLayout::Logo);
    QPainterPath best;
    qreal bestScale = 0;
    for (const QStringList& lines : LineBreakings(words)) {
        const QPainterPath block = CentredLines(lines, font, tracking, pitch);
        const QRectF ink = block.boundingRect();
        const qreal scale = std::min(
            {NaturalScale, area.width() / ink.width(), NameShare * area.height() / ink.height()});
        if (scale > bestScale * 1.02) // a line more only where it sets the name clearly larger
            best = block, bestScale = scale;
    }
    if (bestScale < SmallestScale * NaturalScale)
        TooLong(QStringLiteral("the collection's title in the main window's logo"),
                MainLayout::Logo);

    const QRectF ink = best.boundingRect();
    const qreal nameHeight = ink.height() * bestScale;
    const QRectF nameArea(area.left(), area.bottom() - nameHeight, area.width(), nameHeight);
    const QRectF figureArea(area.left(), area.top(), area.width(),
                            area.height() - nameHeight - Gap);
    FillPath(painter, FitInto(EmblemFigure(), figureArea), Palette::Lettering);
    FillPath(painter, Centred(best, nameArea, bestScale, ink), Palette::Lettering);
    return image;
}

QImage FitOwnLogo(const QImage& picture) {
    const QSize box = MainLayout::Logo.size();
    QImage image = FlatImage(box, Palette::Ground);
    const QImage fitted = picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter(&image).drawImage((box.width() - fitted.width()) / 2,
                               (box.height() - fitted.height()) / 2, fitted);
    return image;
}

QImage PaintOwnDescriptionLink(const QString& caption) {
    using namespace MainLayout;
    const PageFile page{PageKind::DescriptionLink, 0};
    const QSize box(PageBox(page).width, PageBox(page).height);
    const QPoint place(BackgroundPartPlace(page).x, BackgroundPartPlace(page).y);
    // The built-in captions are set so that lower-case letters with accents and ascenders fill
    // their areas' height standing on the bottom row, and so is this one.
    const QFont font = SerifFont(Face::Italic, 20);
    const QRectF reference = TextPath(QStringLiteral("Llíáó"), font).boundingRect();
    const qreal natural = DescriptionCaption.height() / -reference.top();
    const QPainterPath path = TextPath(caption, font);
    const QRectF ink = path.boundingRect();
    const QRectF area = Inside(QRect(QPoint(0, 0), box));
    const qreal scale = std::min(natural, area.width() / ink.width());
    if (scale < SmallestScale * natural)
        TooLong(QStringLiteral("the description link"), QRect(QPoint(0, 0), box));
    QTransform transform;
    transform.translate(DescriptionCaption.center().x() + 0.5 - place.x(),
                        DescriptionCaption.bottom() + 1 - place.y());
    transform.scale(scale, scale);
    transform.translate(-ink.center().x(), 0);
    const QPainterPath placed = transform.map(path);
    // Only letters far taller than the built-in caption's leave the box.
    const QRectF placedInk = placed.boundingRect();
    if (placedInk.top() < area.top() - 0.01 || placedInk.bottom() > area.bottom() + 0.01)
        throw std::runtime_error("the description link holds letters too tall for its place");
    QImage image = FlatImage(box, Palette::Ground);
    QPainter painter(&image);
    FillPath(painter, placed, Palette::Lettering);
    return image;
}

QImage PaintOwnAbout(const QStringList& groups) {
    using namespace AboutLayout;
    // The credits and the notice below them of the built-in window, as one block.
    const QRect area = Credits.united(Notice);
    const QFont headingFont = SerifFont(Face::Regular, 16, true);
    const QFont lineFont = SerifFont(Face::Regular, 16);
    constexpr qreal HeadingPitch = 24, LinePitch = 22, GroupGap = 18, Gutter = 28;

    // Each group at its natural size, headings and lines apart as they take two colours.
    struct Group {
        QPainterPath heading, lines;
        qreal height = 0, width = 0;
    };
    std::vector<Group> laid;
    for (const QString& text : groups) {
        QStringList lines = text.split('\n');
        Group group;
        group.heading = CentredLines({lines.takeFirst()}, headingFont, 2.4, 0);
        qreal baseline = HeadingPitch;
        for (const QString& line : lines) {
            QPainterPath path = TextPath(line, lineFont, 0.8);
            group.lines.addPath(path.translated(-path.boundingRect().center().x(), baseline));
            baseline += LinePitch;
        }
        group.heading.translate(-group.heading.boundingRect().center().x(), 0);
        group.height = baseline; // to the next group's heading, before the gap
        group.width =
            std::max(group.heading.boundingRect().width(), group.lines.boundingRect().width());
        laid.push_back(group);
    }

    // One column when it fits, otherwise two, the first taking the groups up to about half.
    auto columnHeight = [&](std::size_t from, std::size_t to) {
        qreal height = 0;
        for (std::size_t i = from; i < to; ++i)
            height += laid[i].height + (i > from ? GroupGap : 0);
        return height;
    };
    std::size_t split = laid.size();
    if (columnHeight(0, laid.size()) > area.height() && laid.size() > 1) {
        split = 1;
        while (split + 1 < laid.size() &&
               columnHeight(0, split + 1) <= columnHeight(split + 1, laid.size()))
            ++split;
    }
    qreal columnWidth = 0;
    for (const Group& group : laid)
        columnWidth = std::max(columnWidth, group.width);
    QPainterPath headings, lines;
    auto place = [&](std::size_t from, std::size_t to, qreal centre) {
        qreal top = 0;
        for (std::size_t i = from; i < to; ++i) {
            headings.addPath(laid[i].heading.translated(centre, top));
            lines.addPath(laid[i].lines.translated(centre, top));
            top += laid[i].height + GroupGap;
        }
    };
    place(0, split, columnWidth / 2);
    place(split, laid.size(), columnWidth * 1.5 + Gutter);

    QPainterPath all = headings;
    all.addPath(lines);
    const QRectF ink = all.boundingRect();
    const QRectF inside = Inside(area);
    const qreal scale =
        std::min({1.0, inside.width() / ink.width(), inside.height() / ink.height()});
    if (scale < SmallestScale)
        TooLong(QStringLiteral("the credits text"), area);

    QImage image = FlatImage(Size, Palette::Ground);
    PaintOutline(image, Palette::Outline, false);
    QPainter painter(&image);
    painter.fillRect(Page, Palette::AboutPage);
    FillPath(painter, Centred(headings, inside, scale, ink), Palette::Lettering);
    FillPath(painter, Centred(lines, inside, scale, ink), Dark);
    PaintRaisedFace(painter, OkFace, Palette::SmallFace);
    LetterFace(painter, OkFace, QStringLiteral("OK"), true, 13, Qt::black);
    return image;
}

#include "tools/make/ownbackgrounds.h"

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

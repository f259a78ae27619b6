#include "tools/artwork/lettering.h"

#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

QString family = QStringLiteral("serif");

QString FontDirectory() {
    for (const char* dir :
         {"/usr/share/fonts/opentype/ebgaramond", "/usr/share/fonts/truetype/ebgaramond",
          "/usr/share/fonts/ebgaramond"}) {
        if (QDir(dir).exists())
            return dir;
    }
    return {};
}

// Antialiased edges reach half a pixel beyond the outline.
QRectF InkArea(const QRectF& area) {
    return area.adjusted(0.5, 0.5, -0.5, -0.5);
}

} // namespace

QString ArtworkFontFile(Face face) {
    const QString dir = FontDirectory();
    if (dir.isEmpty())
        return {};
    return dir + (face == Face::Italic ? "/EBGaramond12-Italic.otf" : "/EBGaramond12-Regular.otf");
}

bool LoadArtworkFonts() {
    bool any = false;
    for (const Face face : {Face::Regular, Face::Italic}) {
        const int id = QFontDatabase::addApplicationFont(ArtworkFontFile(face));
        const QStringList names = QFontDatabase::applicationFontFamilies(id);
        if (id >= 0 && !names.isEmpty()) {
            family = names.first();
            any = true;
        }
    }
    return any;
}

QFont SerifFont(Face face, qreal pixelSize, bool smallCaps) {
    QFont font(family);
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    font.setItalic(face == Face::Italic);
    font.setKerning(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    if (smallCaps)
        font.setCapitalization(QFont::SmallCaps);
    return font;
}

QPainterPath TextPath(const QString& text, const QFont& font, qreal tracking) {
    QFont spaced = font;
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, tracking);
    QPainterPath path;
    path.addText(0, 0, spaced, text);
    return path;
}

QPainterPath FitInto(const QPainterPath& path, const QRectF& area) {
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty())
        return path;
    const qreal scale = std::min(area.width() / ink.width(), area.height() / ink.height());
    QTransform transform;
    transform.translate(area.center().x(), area.center().y());
    transform.scale(scale, scale);
    transform.translate(-ink.center().x(), -ink.center().y());
    return transform.map(path);
}

void FillPath(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal embolden) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (embolden > 0)
        painter.setPen(QPen(colour, embolden, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.restore();
}

namespace {

// The lines at the font's size, centred on the widest, set `spread` (-1 to 1) of the way to the
// style's limits: spaces, letter spacing and horizontal scale open or close together. Spaces
// close only a little, or words would run together.
QPainterPath SpacedBlock(const QStringList& lines, const QFont& font, const LetteringStyle& style,
                         qreal spread) {
    QFont spaced = font;
    const qreal em = font.pixelSize();
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, spread * style.maxTracking * em);
    spaced.setWordSpacing(spread * style.maxWordSpace * em * (spread < 0 ? 0.25 : 1));
    std::vector<QPainterPath> paths;
    qreal widest = 0;
    for (const QString& line : lines) {
        paths.emplace_back().addText(0, 0, spaced, line);
        widest = std::max(widest, paths.back().boundingRect().width());
    }
    QPainterPath block;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const QRectF ink = paths[i].boundingRect();
        block.addPath(paths[i].translated((widest - ink.width()) / 2 - ink.left(),
                                          qreal(i) * style.leading * em));
    }
    return QTransform::fromScale(1 + spread * style.maxStretch, 1).map(block);
}

} // namespace

void PaintLettering(QPainter& painter, const QStringList& lines, const QFont& font,
                    const QRectF& area, const QColor& colour, const LetteringStyle& style) {
    const QRectF target = InkArea(area);
    // Spacing changes only the width, so the height fixes the scale and with it the width
    // the block must have at the font's size.
    const QRectF natural = SpacedBlock(lines, font, style, 0).boundingRect();
    const qreal wanted = target.width() * natural.height() / target.height();
    auto width = [&](qreal spread) {
        return SpacedBlock(lines, font, style, spread).boundingRect().width();
    };
    if (width(1) < wanted || width(-1) > wanted)
        throw std::runtime_error(QStringLiteral("\"%1\" is too %2 to fill %3 x %4 pixels readably")
                                     .arg(lines.join(' '), width(1) < wanted ? "short" : "long")
                                     .arg(area.width())
                                     .arg(area.height())
                                     .toStdString());
    qreal low = -1, high = 1;
    for (int step = 0; step < 30; ++step)
        (width((low + high) / 2) < wanted ? low : high) = (low + high) / 2;
    const QPainterPath block = SpacedBlock(lines, font, style, (low + high) / 2);
    const QRectF ink = block.boundingRect();
    QTransform transform;
    transform.translate(target.left(), target.top());
    transform.scale(target.width() / ink.width(), target.height() / ink.height());
    transform.translate(-ink.left(), -ink.top());
    FillPath(painter, transform.map(block), colour);
}

QRectF PaintText(QPainter& painter, const QString& text, const QFont& font, qreal centreX,
                 qreal baseline, const QColor& colour, qreal tracking, qreal embolden) {
    QPainterPath path = TextPath(text, font, tracking);
    const QRectF ink = path.boundingRect();
    path.translate(centreX - ink.center().x(), baseline);
    FillPath(painter, path, colour, embolden);
    return path.boundingRect();
}

void PaintFilling(QPainter& painter, QSize canvas, const QRectF& area,
                  const std::function<void(QPainter&)>& draw) {
    QImage scratch(canvas, QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::transparent);
    {
        QPainter measure(&scratch);
        draw(measure);
    }
    int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x + 1);
            top = std::min(top, y);
            bottom = std::max(bottom, y + 1);
        }
    }
    if (right < 0)
        return;
    const QRectF target = InkArea(area);
    QTransform transform;
    transform.translate(target.left(), target.top());
    transform.scale(target.width() / (right - left), target.height() / (bottom - top));
    transform.translate(-left, -top);
    painter.save();
    painter.setTransform(transform, true);
    draw(painter);
    painter.restore();
}

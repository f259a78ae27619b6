#include "tools/artwork/lettering.h"

#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QTransform>

#include <algorithm>

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
QRectF InkArea(const QRectF& area, qreal embolden) {
    const qreal inset = 0.5 + embolden / 2;
    return area.adjusted(inset, inset, -inset, -inset);
}

} // namespace

bool LoadArtworkFonts() {
    const QString dir = FontDirectory();
    bool any = false;
    for (const char* file : {"EBGaramond12-Regular.otf", "EBGaramond12-Italic.otf"}) {
        const int id = QFontDatabase::addApplicationFont(dir + '/' + file);
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

void PaintCaption(QPainter& painter, const QString& text, const QFont& font, const QRectF& area,
                  const QColor& colour, const CaptionStyle& style) {
    const QRectF target = InkArea(area, style.embolden);
    const QRectF natural = TextPath(text, font).boundingRect();
    // At the height that fills the area, how much wider would the text have to be?
    const qreal scale = target.height() / natural.height();
    const qreal missing = target.width() / scale - natural.width();
    const qreal gaps = std::max<qsizetype>(1, text.size() - 1);
    const qreal limit = style.maxTracking * font.pixelSize();
    const qreal tracking = std::clamp(missing / gaps, -limit, limit);

    QPainterPath path = TextPath(text, font, tracking);
    const QRectF spaced = path.boundingRect();
    const qreal stretch = std::clamp(target.width() / scale / spaced.width(), 1 - style.maxStretch,
                                     1 + style.maxStretch);
    path = QTransform::fromScale(stretch, 1).map(path);
    path = FitInto(path, target);
    if (style.alignLeft)
        path.translate(target.left() - path.boundingRect().left(), 0);
    FillPath(painter, path, colour, style.embolden);
}

void PaintBlock(QPainter& painter, const QStringList& lines, const QFont& font, const QRectF& area,
                const QColor& colour, qreal leading, qreal tracking) {
    QPainterPath block;
    qreal widest = 0;
    std::vector<QPainterPath> paths;
    for (const QString& line : lines) {
        paths.push_back(TextPath(line, font, tracking));
        widest = std::max(widest, paths.back().boundingRect().width());
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const QRectF ink = paths[i].boundingRect();
        block.addPath(paths[i].translated((widest - ink.width()) / 2 - ink.left(),
                                          i * leading * font.pixelSize()));
    }
    FillPath(painter, FitInto(block, InkArea(area, 0)), colour);
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
    const QRectF target = InkArea(area, 0);
    QTransform transform;
    transform.translate(target.left(), target.top());
    transform.scale(target.width() / (right - left), target.height() / (bottom - top));
    transform.translate(-left, -top);
    painter.save();
    painter.setTransform(transform, true);
    draw(painter);
    painter.restore();
}

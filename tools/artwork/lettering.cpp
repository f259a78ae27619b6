#include "lettering.h"

#include <QDir>
#include <QFontDatabase>
#include <QTransform>

namespace {

QString families[3];

QString FontDirectory() {
    for (const char* dir :
         {"/usr/share/fonts/opentype/ebgaramond", "/usr/share/fonts/truetype/ebgaramond",
          "/usr/share/fonts/ebgaramond"}) {
        if (QDir(dir).exists())
            return dir;
    }
    return {};
}

} // namespace

bool LoadArtworkFonts() {
    const QString dir = FontDirectory();
    const char* files[3] = {"EBGaramond12-Regular.otf", "EBGaramond12-Italic.otf",
                            "EBGaramond12-Bold.otf"};
    bool any = false;
    for (int i = 0; i < 3; ++i) {
        const int id = QFontDatabase::addApplicationFont(dir + '/' + files[i]);
        if (id < 0)
            continue;
        const QStringList names = QFontDatabase::applicationFontFamilies(id);
        if (!names.isEmpty()) {
            families[i] = names.first();
            any = true;
        }
    }
    return any;
}

QFont SerifFont(Face face, qreal pixelSize) {
    const int i = static_cast<int>(face);
    QFont font(families[i].isEmpty() ? QStringLiteral("serif") : families[i]);
    font.setPixelSize(qRound(pixelSize));
    font.setItalic(face == Face::Italic);
    font.setBold(face == Face::Bold);
    font.setKerning(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPainterPath TextPath(const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

QPainterPath SmallCapsPath(const QString& text, const QFont& font, qreal smallScale) {
    QFont small = font;
    small.setPixelSize(qRound(font.pixelSize() * smallScale));
    const QFontMetricsF bigMetrics(font), smallMetrics(small);
    QPainterPath path;
    qreal x = 0;
    for (QChar c : text) {
        const bool isSmall = c.isLower();
        const QString glyph = isSmall ? QString(c.toUpper()) : QString(c);
        const QFont& f = isSmall ? small : font;
        path.addText(x, 0, f, glyph);
        x += (isSmall ? smallMetrics : bigMetrics).horizontalAdvance(glyph);
        if (c != ' ')
            x += font.pixelSize() * 0.06; // letter-spaced, as engraved capitals are
    }
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

void PaintFitted(QPainter& painter, const QPainterPath& path, const QRectF& area,
                 const QColor& colour, qreal embolden) {
    // Keep the antialiased rim inside the area too.
    const qreal inset = 0.5 + embolden / 2;
    const QPainterPath fitted = FitInto(path, area.adjusted(inset, inset, -inset, -inset));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(embolden > 0 ? QPen(colour, embolden, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                                : QPen(Qt::NoPen));
    painter.setBrush(colour);
    painter.drawPath(fitted);
    painter.restore();
}

#include "skin/boldface.h"

#include <QFontInfo>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <algorithm>

namespace {
// FreeType's own emboldening widens a glyph by 1/24 of the em; the stroke does the same.
constexpr qreal EmboldenPerEm = 1.0 / 24.0;
} // namespace

bool FaceHasEveryCharacter(const QFont& font, const QString& text) {
    // The raw font is the face itself; font metrics would count the fallback fonts too.
    const QRawFont face = QRawFont::fromFont(font);
    for (const char32_t character : text.toUcs4()) {
        if (character > 0x20 && !face.supportsCharacter(character))
            return false;
    }
    return true;
}

TextFace FaceForText(const QFont& font, const QString& text) {
    if (!font.bold() || FaceHasEveryCharacter(font, text))
        return {font, 0};
    QFont regular = font;
    regular.setBold(false);
    // Take the regular face of the bold one's design size ("12 Bold" goes with "12 Regular").
    const QString boldStyle = QFontInfo(font).styleName();
    if (boldStyle.contains(QLatin1String("Bold")))
        regular.setStyleName(
            QString(boldStyle).replace(QLatin1String("Bold"), QLatin1String("Regular")));
    const qreal em = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    return {regular, std::max<qreal>(1, em) * EmboldenPerEm};
}

void DrawEmboldened(QPainter& painter, QPointF baseline, const TextFace& face, const QString& text,
                    const QColor& colour) {
    if (face.embolden <= 0) {
        painter.setFont(face.font);
        painter.setPen(colour);
        painter.drawText(baseline, text);
        return;
    }
    QPainterPath path;
    path.addText(baseline + QPointF(face.embolden / 2, 0), face.font, text);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, colour);
    painter.strokePath(path,
                       QPen(colour, face.embolden, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.restore();
}

#pragma once
// The serif lettering of the artwork, set in EB Garamond loaded from its files so the result
// does not depend on what the font configuration calls it.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

enum class Face { Regular, Italic, Bold };

// Registers the font files; false when none was found.
bool LoadArtworkFonts();
QFont SerifFont(Face face, qreal pixelSize);

// The outline of the text at its natural size, with the baseline at y = 0.
QPainterPath TextPath(const QString& text, const QFont& font);
// Small capitals: capitals at full size, the rest as capitals of `smallScale` of the size.
QPainterPath SmallCapsPath(const QString& text, const QFont& font, qreal smallScale = 0.78);

// Scales and moves `path` so its ink fills `area` as far as the proportions allow, centred.
QPainterPath FitInto(const QPainterPath& path, const QRectF& area);
// Fills `path` after fitting; `embolden` strokes the outline too, for a heavier italic.
void PaintFitted(QPainter& painter, const QPainterPath& path, const QRectF& area,
                 const QColor& colour, qreal embolden = 0);

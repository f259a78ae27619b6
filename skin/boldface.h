#pragma once
// Bold lettering that stays in one family. The installed Garamond's bold face covers only
// ASCII and a few signs, so a Hungarian caption would mix in letters of another family; such
// a caption is set in the regular face of the same design size, emboldened by an outline stroke.

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

class QPainter;

struct TextFace {
    QFont font;
    // Width of the outline stroked around the letters, in pixels; 0 for a real face.
    qreal embolden = 0;
};

// The face to set `text` in with `font`: the font itself unless it is bold and its face lacks
// a character of the text.
TextFace FaceForText(const QFont& font, const QString& text);

// Whether the face `font` resolves to has every character of `text` (fallback fonts not
// counted).
bool FaceHasEveryCharacter(const QFont& font, const QString& text);

// Draws one line of text with its baseline starting at `baseline`, stroked when emboldened.
void DrawEmboldened(QPainter& painter, QPointF baseline, const TextFace& face, const QString& text,
                    const QColor& colour);

#pragma once
// The face the caption is set in. The installed Garamond's bold face covers only ASCII and a
// few signs, so a Hungarian title would mix in letters of another family; such a caption is
// set in the regular face instead, emboldened by an outline stroke, and stays one family.

#include "reportlayout.h"

#include <QFont>
#include <QString>

struct CaptionFace {
    QFont font;
    // Width of the outline stroked around the letters, in device pixels; 0 for a real face.
    qreal embolden = 0;
};

// The face for `text` at `pixelSize` device pixels.
CaptionFace ChooseCaptionFace(const ReportFont& font, int pixelSize, const QString& text);

// Whether the face `font` resolves to has every character of `text` (fallback fonts not
// counted).
bool FaceHasEveryCharacter(const QFont& font, const QString& text);

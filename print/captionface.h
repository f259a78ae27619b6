#pragma once
// The face the printed caption is set in (emboldened where the bold face lacks letters).

#include "print/reportlayout.h"
#include "skin/skin.h"

#include <QString>

// The face for `text` at `pixelSize` device pixels.
TextFace ChooseCaptionFace(const ReportFont& font, int pixelSize, const QString& text);

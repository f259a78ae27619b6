#pragma once
// Fonts and colours of the descriptions, as this system can show them.

#include "skin/formdescription.h"

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

// The installed family that stands in for a described one ("Garamond" is "EB Garamond").
QString FontFamilyOnThisSystem(const QString& family);

// A negative height is the character height in pixels (the font's pixel size); a positive
// one is the cell height, character height plus internal leading.
QFont FontFromDescription(const FontDescription& description, const QFont& base);

// Red in the low byte; system colours come from the palette.
QColor ColourFromValue(ColourValue value, const QPalette& palette);

// The control's font, its font colour in textRole and its colour in backgroundRole.
void ApplyTextStyle(QWidget& widget, const ControlDescription& control,
                    QPalette::ColorRole backgroundRole, QPalette::ColorRole textRole);

#pragma once
// The serif lettering of the artwork, set in EB Garamond loaded from its files so the result
// does not depend on what the font configuration calls it.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

// The bold cut of the font lacks the accented letters, so bold lettering is the regular cut
// with its outline stroked (see `embolden`).
enum class Face { Regular, Italic };

// Registers the font files; false when none was found.
bool LoadArtworkFonts();
// The font file of the face, "" when the font is not installed.
QString ArtworkFontFile(Face face);
QFont SerifFont(Face face, qreal pixelSize, bool smallCaps = false);

// The outline of the text at the font's size with `tracking` pixels between letters.
QPainterPath TextPath(const QString& text, const QFont& font, qreal tracking = 0);

struct LetteringStyle {
    qreal leading = 1.3;      // baseline to baseline, in ems, between lines of a block
    qreal maxWordSpace = 0.2; // widening of the spaces allowed, in ems (a quarter to narrow)
    qreal maxTracking = 0.04; // letter spacing allowed either way, in ems
    qreal maxStretch = 0.04;  // horizontal scaling allowed either way
};

// Lines centred under each other whose ink exactly fills `area`: spaces, letter spacing and a
// slight horizontal scaling open or close together until the block has the area's
// proportions. Throws when that would take more than the style allows, since the text then
// has the wrong length for its area and would read badly.
void PaintLettering(QPainter& painter, const QStringList& lines, const QFont& font,
                    const QRectF& area, const QColor& colour, const LetteringStyle& style = {});

// Natural-size text centred on `centreX` with its baseline at `baseline`; returns its ink.
QRectF PaintText(QPainter& painter, const QString& text, const QFont& font, qreal centreX,
                 qreal baseline, const QColor& colour, qreal tracking = 0, qreal embolden = 0);

// Runs `draw` so that what it paints exactly fills `area`: once on a scratch canvas of
// `canvas` size to measure the ink, then again under the transform that maps that ink onto
// the area.
void PaintFilling(QPainter& painter, QSize canvas, const QRectF& area,
                  const std::function<void(QPainter&)>& draw);

// The outline of `path` scaled and moved so its ink fits `area`, centred.
QPainterPath FitInto(const QPainterPath& path, const QRectF& area);
void FillPath(QPainter& painter, const QPainterPath& path, const QColor& colour,
              qreal embolden = 0);

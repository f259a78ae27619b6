#include "print/captionface.h"

#include "skin/skin.h"

#include <algorithm>

namespace {

QFont BaseFont(const ReportFont& font, int pixelSize) {
    QFont base(FontFamilyOnThisSystem(QString::fromStdString(font.name)));
    base.setPixelSize(std::max(1, pixelSize));
    base.setItalic(font.italic);
    base.setUnderline(font.underline);
    base.setStrikeOut(font.strikeOut);
    // Printed text is laid out at the printer's resolution, not snapped to a screen grid.
    base.setHintingPreference(QFont::PreferNoHinting);
    return base;
}

} // namespace

TextFace ChooseCaptionFace(const ReportFont& font, int pixelSize, const QString& text) {
    QFont base = BaseFont(font, pixelSize);
    base.setBold(font.bold);
    return FaceForText(base, text);
}

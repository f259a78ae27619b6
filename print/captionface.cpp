#include "captionface.h"

#include "formstyle.h"

#include <QFontInfo>
#include <QRawFont>
#include <algorithm>

namespace {

// FreeType's own emboldening widens a glyph by 1/24 of the em; the stroke does the same.
constexpr qreal EmboldenPerEm = 1.0 / 24.0;

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

bool FaceHasEveryCharacter(const QFont& font, const QString& text) {
    // The raw font is the face itself; font metrics would count the fallback fonts too.
    const QRawFont face = QRawFont::fromFont(font);
    for (const char32_t character : text.toUcs4()) {
        if (character > 0x20 && !face.supportsCharacter(character))
            return false;
    }
    return true;
}

CaptionFace ChooseCaptionFace(const ReportFont& font, int pixelSize, const QString& text) {
    QFont regular = BaseFont(font, pixelSize);
    if (!font.bold)
        return {regular, 0};
    QFont bold = regular;
    bold.setBold(true);
    if (FaceHasEveryCharacter(bold, text))
        return {bold, 0};
    // Take the regular face of the bold one's design size ("12 Bold" goes with "12 Regular").
    const QString boldStyle = QFontInfo(bold).styleName();
    if (boldStyle.contains("Bold"))
        regular.setStyleName(QString(boldStyle).replace("Bold", "Regular"));
    return {regular, std::max(1, pixelSize) * EmboldenPerEm};
}

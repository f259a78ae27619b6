#include "skin/formstyle.h"

#include <QFontMetricsF>
#include <QWidget>
#include <algorithm>
#include <cmath>

QString FontFamilyOnThisSystem(const QString& family) {
    if (family.compare("Garamond", Qt::CaseInsensitive) == 0)
        return QStringLiteral("EB Garamond");
    return family;
}

QFont FontFromDescription(const FontDescription& description, const QFont& base) {
    QFont font(base);
    if (!description.name.isEmpty())
        font.setFamily(FontFamilyOnThisSystem(description.name));
    if (description.height < 0) {
        font.setPixelSize(-description.height);
    } else if (description.height > 0) {
        QFont probe(font);
        probe.setPixelSize(100);
        const QFontMetricsF metrics(probe);
        const double cellPer100 = metrics.ascent() + metrics.descent();
        font.setPixelSize(std::max(1, int(std::lround(description.height * 100 / cellPer100))));
    }
    font.setBold(description.bold);
    font.setItalic(description.italic);
    font.setUnderline(description.underline);
    font.setStrikeOut(description.strikeOut);
    return font;
}

QColor ColourFromValue(ColourValue value, const QPalette& palette) {
    if ((value & 0xFF000000u) == 0xFF000000u) {
        switch (value & 0xFFu) {
        case 5: // window
            return palette.color(QPalette::Base);
        case 8: // window text
            return palette.color(QPalette::Text);
        case 13:
            return palette.color(QPalette::Highlight);
        case 14:
            return palette.color(QPalette::HighlightedText);
        case 18: // button text
            return palette.color(QPalette::ButtonText);
        case 24: // tooltip background
            return palette.color(QPalette::ToolTipBase);
        default: // button face and the rest
            return palette.color(QPalette::Button);
        }
    }
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

void ApplyTextStyle(QWidget& widget, const ControlDescription& control,
                    QPalette::ColorRole backgroundRole, QPalette::ColorRole textRole) {
    QPalette palette = widget.palette();
    if (control.color)
        palette.setColor(backgroundRole, ColourFromValue(*control.color, palette));
    if (control.font) {
        widget.setFont(FontFromDescription(*control.font, widget.font()));
        if (control.font->color)
            palette.setColor(textRole, ColourFromValue(*control.font->color, palette));
    }
    widget.setPalette(palette);
}

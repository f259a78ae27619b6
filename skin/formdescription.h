#pragma once
// A window description as read from forms/<class>.json (format: assets/README.md). Reading
// checks the description against the format, so a slip in one shows at start-up, not as a
// control that silently lacks a setting.

#include <QByteArray>
#include <QJsonObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

// A colour value as the descriptions write it: 0x00BBGGRR, or a system colour 0xFF0000nn.
using ColourValue = uint32_t;

struct FontDescription {
    QString name;
    // Negative: character height in pixels; positive: cell height in pixels; 0: default.
    int height = 0;
    int charset = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::optional<ColourValue> color;
};

struct ControlDescription {
    QString name;
    QString className;
    QRect bounds;
    bool visible = true;
    QString cursor = QStringLiteral("crDefault");
    QString hint;
    // What assistive technology calls the control: the text painted under a click area.
    QString accessibleName;
    std::optional<int> tabOrder;
    // Class-specific settings; each class reads only those the format gives it.
    QString picture;
    bool stretch = false;
    std::optional<FontDescription> font;
    std::optional<ColourValue> color;
    QString borderStyle;
    std::optional<int> itemHeight;
    QStringList items;
    std::optional<bool> autoSize;
    std::optional<QString> caption;
    bool transparent = false;
    int interval = 1000;
    bool enabled = true;
    std::optional<std::vector<uint8_t>> mask2;
    bool draggable = true;
    // Event name ("OnClick") to handler name ("Image1Click").
    std::map<QString, QString> events;
    // The whole entry, for classes that other parts of the program describe.
    QJsonObject raw;
};

// Centred on the screen the first time it is shown, or at its stored place.
enum class FormPlacement { Centred, Fixed };

struct FormDescription {
    QString className;
    QSize clientSize;
    QString borderStyle;
    FormPlacement placement = FormPlacement::Centred;
    QPoint position;
    std::vector<ControlDescription> controls;
};

// Raises EInvalidOperation naming the description and the fault when the text is not a
// description of the format.
FormDescription ReadFormDescription(const QByteArray& json);

// The built-in description of a window class ("TForm3"), read from the resources.
FormDescription LoadFormDescription(const QString& formClass);

// Resolves a colour name of the descriptions ("clWindowText") or passes a number through.
std::optional<ColourValue> ColourFromName(const QString& name);

// The descriptions' font form, {"name", "height", "charset", "style": [...], "color"}, for the
// controls and the print page alike; where names the place a fault is reported at.
FontDescription ReadFontDescription(const QJsonValue& value, const QString& where);

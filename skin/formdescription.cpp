#include "skin/formdescription.h"

#include "assets/assets.h"
#include "core/errors.h"
#include "skin/hexbytes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>
#include <cmath>

namespace {

const QStringList kCommonFields = {"name",  "class",          "left",    "top",
                                   "width", "height",         "visible", "cursor",
                                   "hint",  "accessibleName", "tabOrder"};

// The further fields of each class the format knows. Classes not listed here belong to other
// readers; their entries are passed on whole.
const std::map<QString, QStringList>& ClassFields() {
    static const std::map<QString, QStringList> fields = {
        {"TCoolForm", {"picture", "Mask2", "Draggable"}},
        {"TImage", {"picture", "stretch", "OnClick"}},
        {"TListBox",
         {"font", "color", "borderStyle", "itemHeight", "items", "OnClick", "OnKeyDown"}},
        {"TEdit", {"font", "color", "borderStyle", "autoSize", "OnKeyPress"}},
        {"TLabel", {"caption", "font", "color", "transparent", "autoSize"}},
        {"TButton", {"caption"}},
        {"TTimer", {"interval", "enabled", "OnTimer"}},
        {"TSavePictureDialog", {}},
    };
    return fields;
}

// Everything read from one description carries its place, so a fault names where it is.
class Reader {
public:
    explicit Reader(QString where) : where_(std::move(where)) {}

    [[noreturn]] void Fail(const QString& what) const {
        throw EInvalidOperation(("Window description " + where_ + ": " + what).toStdString());
    }

    Reader Inside(const QString& more) const { return Reader(where_ + ", " + more); }
    const QString& Where() const { return where_; }

    int Int(const QJsonObject& object, const QString& key) const {
        const QJsonValue value = object.value(key);
        const double number = value.toDouble();
        if (!value.isDouble() || number != std::floor(number) || std::fabs(number) > 2147483647.0)
            Fail(QString("\"%1\" is not a whole number").arg(key));
        return int(number);
    }

    int Int(const QJsonObject& object, const QString& key, int fallback) const {
        return object.contains(key) ? Int(object, key) : fallback;
    }

    QString String(const QJsonObject& object, const QString& key) const {
        const QJsonValue value = object.value(key);
        if (!value.isString())
            Fail(QString("\"%1\" is not a text").arg(key));
        return value.toString();
    }

    QString String(const QJsonObject& object, const QString& key, const QString& fallback) const {
        return object.contains(key) ? String(object, key) : fallback;
    }

    bool Bool(const QJsonObject& object, const QString& key, bool fallback) const {
        if (!object.contains(key))
            return fallback;
        const QJsonValue value = object.value(key);
        if (!value.isBool())
            Fail(QString("\"%1\" is not true or false").arg(key));
        return value.toBool();
    }

    ColourValue Colour(const QJsonObject& object, const QString& key) const {
        const QJsonValue value = object.value(key);
        if (value.isString()) {
            if (const auto named = ColourFromName(value.toString()))
                return *named;
            Fail(QString("unknown colour \"%1\"").arg(value.toString()));
        }
        const double number = value.toDouble();
        if (!value.isDouble() || number < 0 || number > 0xFFFFFF || number != std::floor(number))
            Fail(QString("\"%1\" is not a colour value").arg(key));
        return ColourValue(number);
    }

private:
    QString where_;
};

} // namespace

FontDescription ReadFontDescription(const QJsonValue& value, const QString& where) {
    const Reader reader(where);
    if (!value.isObject())
        reader.Fail("\"font\" is not an object");
    const QJsonObject font = value.toObject();
    for (const QString& key : font.keys()) {
        static const QStringList known = {"name", "height", "charset", "style", "color"};
        if (!known.contains(key))
            reader.Fail(QString("unknown font field \"%1\"").arg(key));
    }
    FontDescription result;
    result.name = reader.String(font, "name", QString());
    result.height = reader.Int(font, "height", 0);
    result.charset = reader.Int(font, "charset", 0);
    if (font.contains("color"))
        result.color = reader.Colour(font, "color");
    const QJsonValue style = font.value("style");
    if (!style.isUndefined() && !style.isArray())
        reader.Fail("font \"style\" is not a list");
    for (const QJsonValue& entry : style.toArray()) {
        const QString name = entry.toString();
        if (name == "fsBold")
            result.bold = true;
        else if (name == "fsItalic")
            result.italic = true;
        else if (name == "fsUnderline")
            result.underline = true;
        else if (name == "fsStrikeOut")
            result.strikeOut = true;
        else
            reader.Fail(QString("unknown font style \"%1\"").arg(name));
    }
    return result;
}

namespace {

ControlDescription ReadControl(const Reader& formReader, const QJsonValue& value) {
    if (!value.isObject())
        formReader.Fail("a control entry is not an object");
    const QJsonObject entry = value.toObject();
    ControlDescription control;
    control.raw = entry;
    control.name = formReader.String(entry, "name");
    const Reader reader = formReader.Inside("control " + control.name);
    control.className = reader.String(entry, "class");

    const auto known = ClassFields().find(control.className);
    if (known == ClassFields().end())
        return control;
    for (const QString& key : entry.keys()) {
        if (!kCommonFields.contains(key) && !known->second.contains(key))
            reader.Fail(QString("unknown field \"%1\" for %2").arg(key, control.className));
    }

    // One at a time, so that a fault is found in the order of the fields.
    control.bounds.setLeft(reader.Int(entry, "left", 0));
    control.bounds.setTop(reader.Int(entry, "top", 0));
    control.bounds.setWidth(reader.Int(entry, "width", 0));
    control.bounds.setHeight(reader.Int(entry, "height", 0));
    control.visible = reader.Bool(entry, "visible", true);
    control.cursor = reader.String(entry, "cursor", control.cursor);
    if (control.cursor != "crDefault" && control.cursor != "crHandPoint")
        reader.Fail(QString("unknown cursor \"%1\"").arg(control.cursor));
    control.hint = reader.String(entry, "hint", QString());
    control.accessibleName = reader.String(entry, "accessibleName", QString());
    if (entry.contains("tabOrder"))
        control.tabOrder = reader.Int(entry, "tabOrder");

    control.picture = reader.String(entry, "picture", QString());
    control.stretch = reader.Bool(entry, "stretch", false);
    if (entry.contains("font"))
        control.font = ReadFontDescription(entry.value("font"), reader.Where());
    if (entry.contains("color"))
        control.color = reader.Colour(entry, "color");
    control.borderStyle = reader.String(entry, "borderStyle", QString());
    if (entry.contains("itemHeight"))
        control.itemHeight = reader.Int(entry, "itemHeight");
    const QJsonValue items = entry.value("items");
    if (!items.isUndefined() && !items.isArray())
        reader.Fail("\"items\" is not a list");
    for (const QJsonValue& item : items.toArray()) {
        if (!item.isString())
            reader.Fail("an item is not a text");
        control.items.append(item.toString());
    }
    if (entry.contains("autoSize"))
        control.autoSize = reader.Bool(entry, "autoSize", true);
    if (entry.contains("caption"))
        control.caption = reader.String(entry, "caption");
    control.transparent = reader.Bool(entry, "transparent", false);
    control.interval = reader.Int(entry, "interval", control.interval);
    control.enabled = reader.Bool(entry, "enabled", true);
    if (entry.contains("Mask2")) {
        control.mask2 = ParseHexBytes(reader.String(entry, "Mask2").toStdString());
        if (!control.mask2)
            reader.Fail("\"Mask2\" is not a list of hexadecimal bytes");
    }
    control.draggable = reader.Bool(entry, "Draggable", true);
    for (const QString& key : entry.keys()) {
        if (key.startsWith("On"))
            control.events[key] = reader.String(entry, key);
    }
    return control;
}

} // namespace

std::optional<ColourValue> ColourFromName(const QString& name) {
    // System colours carry 0xFF in the top byte and the system's colour index below.
    static const std::map<QString, ColourValue> names = {
        {"clBlack", 0x000000},       {"clWhite", 0xFFFFFF},           {"clRed", 0x0000FF},
        {"clWindow", 0xFF000005},    {"clWindowText", 0xFF000008},    {"clBtnFace", 0xFF00000F},
        {"clHighlight", 0xFF00000D}, {"clHighlightText", 0xFF00000E}, {"clInfoBk", 0xFF000018},
        {"clBtnText", 0xFF000012},
    };
    const auto found = names.find(name);
    if (found == names.end())
        return std::nullopt;
    return found->second;
}

FormDescription ReadFormDescription(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (document.isNull())
        Reader("(unnamed)").Fail("not JSON: " + error.errorString());
    if (!document.isObject())
        Reader("(unnamed)").Fail("not an object");
    const QJsonObject root = document.object();

    FormDescription form;
    form.className = Reader("(unnamed)").String(root, "class");
    const Reader reader(form.className);
    for (const QString& key : root.keys()) {
        static const QStringList known = {"class",       "clientWidth", "clientHeight",
                                          "borderStyle", "position",    "controls"};
        if (!known.contains(key))
            reader.Fail(QString("unknown field \"%1\"").arg(key));
    }
    const int clientWidth = reader.Int(root, "clientWidth");
    form.clientSize = QSize(clientWidth, reader.Int(root, "clientHeight"));
    form.borderStyle = reader.String(root, "borderStyle", "bsSizeable");

    const QJsonValue position = root.value("position");
    if (position.isObject()) {
        form.placement = FormPlacement::Fixed;
        const int left = reader.Int(position.toObject(), "left");
        form.position = QPoint(left, reader.Int(position.toObject(), "top"));
    } else if (position.toString("centred") != "centred") {
        reader.Fail("\"position\" is neither \"centred\" nor a place");
    }

    const QJsonValue controls = root.value("controls");
    if (!controls.isUndefined() && !controls.isArray())
        reader.Fail("\"controls\" is not a list");
    QSet<QString> names;
    for (const QJsonValue& entry : controls.toArray()) {
        form.controls.push_back(ReadControl(reader, entry));
        const QString& name = form.controls.back().name;
        if (names.contains(name))
            reader.Fail("two controls named " + name);
        names.insert(name);
    }
    return form;
}

FormDescription LoadFormDescription(const QString& formClass) {
    const QByteArray json = AssetBytes("forms/" + formClass + ".json");
    if (json.isEmpty())
        Reader(formClass).Fail("not among the built-in descriptions");
    FormDescription form = ReadFormDescription(json);
    if (form.className != formClass)
        Reader(formClass).Fail("describes " + form.className);
    return form;
}

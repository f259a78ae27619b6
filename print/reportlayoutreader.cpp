#include "print/reportlayoutreader.h"

#include "core/errors.h"
#include "skin/skin.h"

#include <QJsonArray>
#include <QStringList>
#include <cmath>
#include <set>

namespace {

class ElementReader {
public:
    ElementReader(QString where, QJsonObject entry) : where_(std::move(where)), entry_(entry) {}

    [[noreturn]] void Fail(const QString& what) const {
        throw EInvalidOperation(("Window description " + where_ + ": " + what).toStdString());
    }

    ElementReader Inside(const QString& key) const {
        const QJsonValue value = entry_.value(key);
        if (!value.isObject())
            Fail(QString("\"%1\" is not an object").arg(key));
        return ElementReader(where_ + ", " + key, value.toObject());
    }

    bool Has(const QString& key) const { return entry_.contains(key); }

    void AllowOnly(const QStringList& keys) const {
        for (const QString& key : entry_.keys()) {
            if (!keys.contains(key))
                Fail(QString("unknown field \"%1\"").arg(key));
        }
    }

    // A length in tenths of a millimetre: any number, never negative.
    double Length(const QString& key) const {
        const QJsonValue value = entry_.value(key);
        if (!value.isDouble() || !std::isfinite(value.toDouble()) || value.toDouble() < 0)
            Fail(QString("\"%1\" is not a length").arg(key));
        return value.toDouble();
    }

    int Int(const QString& key, int fallback) const {
        if (!Has(key))
            return fallback;
        const double number = entry_.value(key).toDouble(0.5);
        if (!entry_.value(key).isDouble() || number != std::floor(number) ||
            std::fabs(number) > 2147483647.0)
            Fail(QString("\"%1\" is not a whole number").arg(key));
        return int(number);
    }

    bool Bool(const QString& key, bool fallback) const {
        if (!Has(key))
            return fallback;
        if (!entry_.value(key).isBool())
            Fail(QString("\"%1\" is not true or false").arg(key));
        return entry_.value(key).toBool();
    }

    std::string String(const QString& key, const QString& fallback) const {
        if (!Has(key))
            return fallback.toStdString();
        if (!entry_.value(key).isString())
            Fail(QString("\"%1\" is not a text").arg(key));
        return entry_.value(key).toString().toStdString();
    }

    std::string Required(const QString& key) const {
        if (!Has(key))
            Fail(QString("\"%1\" is missing").arg(key));
        return String(key, QString());
    }

    QStringList Strings(const QString& key) const {
        QStringList strings;
        const QJsonValue value = entry_.value(key);
        if (value.isUndefined())
            return strings;
        if (!value.isArray())
            Fail(QString("\"%1\" is not a list").arg(key));
        for (const QJsonValue& item : value.toArray()) {
            if (!item.isString())
                Fail(QString("\"%1\" holds something that is not a text").arg(key));
            strings.append(item.toString());
        }
        return strings;
    }

    std::uint32_t Colour(const QString& key, std::uint32_t fallback) const {
        if (!Has(key))
            return fallback;
        const QJsonValue value = entry_.value(key);
        if (value.isString()) {
            if (const auto colour = ColourFromName(value.toString()))
                return *colour;
            Fail(QString("unknown colour \"%1\"").arg(value.toString()));
        }
        const double number = value.toDouble(-1);
        if (!value.isDouble() || number < 0 || number > 0xFFFFFFFF || number != std::floor(number))
            Fail(QString("\"%1\" is not a colour").arg(key));
        return static_cast<std::uint32_t>(number);
    }

    // Report elements have no frame lines; a description that asks for some is refused rather
    // than printed without them.
    void NoFrame() const {
        if (!Strings("frame").isEmpty())
            Fail("frame lines are not supported");
    }

    // The controls' font form; the page's fonts must name their face, and draw in the window
    // text colour unless they say otherwise.
    ReportFont Font(const QString& key) const {
        const ElementReader font = Inside(key);
        font.Required("name");
        const FontDescription read = ReadFontDescription(entry_.value(key), font.where_);
        ReportFont result;
        result.name = read.name.toStdString();
        result.height = read.height;
        result.charset = read.charset;
        result.bold = read.bold;
        result.italic = read.italic;
        result.underline = read.underline;
        result.strikeOut = read.strikeOut;
        result.color = read.color.value_or(0xFF000008);
        return result;
    }

    const QJsonObject& Entry() const { return entry_; }

private:
    QString where_;
    QJsonObject entry_;
};

const QStringList kElementFields = {"name", "class", "parent"};

QStringList With(QStringList fields) {
    return kElementFields + fields;
}

QuickRepLayout ReadQuickRep(const ElementReader& reader) {
    reader.AllowOnly(With({"page", "printerSettings", "options", "printIfEmpty", "reportTitle",
                           "font", "functions", "units", "zoom", "frame"}));
    reader.NoFrame();
    QuickRepLayout report;
    report.name = reader.Required("name");

    const ElementReader page = reader.Inside("page");
    page.AllowOnly({"paperSize", "paperWidth", "paperLength", "orientation", "topMargin",
                    "bottomMargin", "leftMargin", "rightMargin", "columns", "columnSpace"});
    report.page.paperSize = page.Required("paperSize");
    report.page.paperWidth = page.Length("paperWidth");
    report.page.paperLength = page.Length("paperLength");
    const std::string orientation = page.String("orientation", "poPortrait");
    if (orientation != "poPortrait" && orientation != "poLandscape")
        page.Fail("\"orientation\" is neither poPortrait nor poLandscape");
    report.page.portrait = orientation == "poPortrait";
    report.page.topMargin = page.Length("topMargin");
    report.page.bottomMargin = page.Length("bottomMargin");
    report.page.leftMargin = page.Length("leftMargin");
    report.page.rightMargin = page.Length("rightMargin");
    report.page.columns = page.Int("columns", 1);
    report.page.columnSpace = page.Has("columnSpace") ? page.Length("columnSpace") : 0;
    if (report.page.columns != 1)
        page.Fail("only one column is supported");

    const ElementReader printer = reader.Inside("printerSettings");
    printer.AllowOnly({"copies", "duplex", "firstPage", "lastPage", "outputBin"});
    report.printer.copies = printer.Int("copies", 1);
    report.printer.duplex = printer.Bool("duplex", false);
    report.printer.firstPage = printer.Int("firstPage", 0);
    report.printer.lastPage = printer.Int("lastPage", 0);
    report.printer.outputBin = printer.String("outputBin", "Auto");
    if (report.printer.copies < 1)
        printer.Fail("\"copies\" is less than 1");

    for (const QString& option : reader.Strings("options"))
        report.options.push_back(option.toStdString());
    report.printIfEmpty = reader.Bool("printIfEmpty", true);
    report.reportTitle = reader.String("reportTitle", QString());
    report.font = reader.Font("font");
    if (reader.Has("functions")) {
        const ElementReader functions = reader.Inside("functions");
        for (const QString& name : functions.Entry().keys())
            report.functions[name.toStdString()] = functions.Required(name);
    }
    report.units = reader.String("units", "MM");
    report.zoom = reader.Int("zoom", 100);
    return report;
}

BandLayout ReadBand(const ElementReader& reader) {
    reader.AllowOnly(With({"bandType", "width", "height", "color", "alignToBottom", "forceNewPage",
                           "forceNewColumn", "frame"}));
    reader.NoFrame();
    BandLayout band;
    band.name = reader.Required("name");
    band.bandType = reader.Required("bandType");
    if (band.bandType != "rbDetail")
        reader.Fail("only a detail band is supported");
    band.width = reader.Length("width");
    band.height = reader.Length("height");
    band.color = reader.Colour("color", 0xFFFFFF);
    band.alignToBottom = reader.Bool("alignToBottom", false);
    band.forceNewPage = reader.Bool("forceNewPage", false);
    band.forceNewColumn = reader.Bool("forceNewColumn", false);
    return band;
}

LabelLayout ReadLabel(const ElementReader& reader) {
    reader.AllowOnly(
        With({"left", "top", "width", "height", "caption", "alignment", "alignToBand", "autoSize",
              "autoStretch", "wordWrap", "transparent", "color", "font", "frame"}));
    reader.NoFrame();
    LabelLayout label;
    label.name = reader.Required("name");
    label.left = reader.Length("left");
    label.top = reader.Length("top");
    label.width = reader.Length("width");
    label.height = reader.Length("height");
    label.caption = reader.String("caption", QString());
    label.alignment = reader.String("alignment", "taLeftJustify");
    label.alignToBand = reader.Bool("alignToBand", false);
    label.autoSize = reader.Bool("autoSize", true);
    label.autoStretch = reader.Bool("autoStretch", false);
    label.wordWrap = reader.Bool("wordWrap", false);
    label.transparent = reader.Bool("transparent", false);
    label.color = reader.Colour("color", 0xFFFFFF);
    label.font = reader.Font("font");
    // The caption is placed from its top-left corner and sized to its text; other settings
    // would need a layout this page never uses.
    if (label.alignment != "taLeftJustify" || label.alignToBand || !label.autoSize ||
        label.autoStretch)
        reader.Fail("only a left-aligned auto-size caption is supported");
    return label;
}

ImageLayout ReadImage(const ElementReader& reader) {
    reader.AllowOnly(With(
        {"left", "top", "width", "height", "picture", "stretch", "center", "autoSize", "frame"}));
    reader.NoFrame();
    ImageLayout image;
    image.name = reader.Required("name");
    image.left = reader.Length("left");
    image.top = reader.Length("top");
    image.width = reader.Length("width");
    image.height = reader.Length("height");
    image.picture = reader.String("picture", QString());
    image.stretch = reader.Bool("stretch", false);
    image.center = reader.Bool("center", false);
    image.autoSize = reader.Bool("autoSize", false);
    if (image.stretch || image.center || image.autoSize)
        reader.Fail("only an unscaled picture from the top-left corner is supported");
    return image;
}

} // namespace

ReportLayout ReadReportLayout(const QString& formClass, const std::vector<QJsonObject>& elements) {
    const ElementReader form(formClass, {});
    ReportLayout layout;
    std::set<QString> seen;
    QString reportName;
    QString bandName;
    // The band must follow its page and the elements their band, as the description lists them.
    for (const QJsonObject& entry : elements) {
        const QString name = entry.value("name").toString();
        const QString className = entry.value("class").toString();
        const ElementReader reader(formClass + ", control " + name, entry);
        if (seen.count(className))
            reader.Fail("a second " + className);
        const QString parent = entry.value("parent").toString();
        if (className == "TQuickRep") {
            if (!parent.isEmpty())
                reader.Fail("the page lies on the window itself, not inside another element");
            layout.report = ReadQuickRep(reader);
            reportName = name;
        } else if (className == "TQRBand") {
            if (reportName.isEmpty() || parent != reportName)
                reader.Fail("the band is not inside the page");
            layout.band = ReadBand(reader);
            bandName = name;
        } else if (className == "TQRLabel" || className == "TQRImage") {
            if (bandName.isEmpty() || parent != bandName)
                reader.Fail("the element is not inside the band");
            if (className == "TQRLabel")
                layout.label = ReadLabel(reader);
            else
                layout.image = ReadImage(reader);
        } else {
            reader.Fail("unknown report element class \"" + className + "\"");
        }
        seen.insert(className);
    }
    for (const char* required : {"TQuickRep", "TQRBand", "TQRLabel", "TQRImage"}) {
        if (!seen.count(required))
            form.Fail(QString("no %1").arg(required));
    }
    return layout;
}

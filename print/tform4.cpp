#include "print/tform4.h"

#include "assets/assets.h"
#include "print/reportlayoutreader.h"
#include "skin/skin.h"

#include <span>

namespace {

// The page's elements are not controls: the report layout reads them whole, below.
QObject* ReadByTheReport(QWidget&, const ControlDescription&) {
    return nullptr;
}

ReportLayout ReadLayout(const FormDescription& description) {
    std::vector<QJsonObject> elements;
    for (const ControlDescription& control : description.controls)
        elements.push_back(control.raw);
    return ReadReportLayout(description.className, elements);
}

} // namespace

TForm4::TForm4()
    : TForm(staticMetaObject, {},
            {{QStringLiteral("TQuickRep"), ReadByTheReport},
             {QStringLiteral("TQRBand"), ReadByTheReport},
             {QStringLiteral("TQRLabel"), ReadByTheReport},
             {QStringLiteral("TQRImage"), ReadByTheReport}}) {
    ReportLayout layout = ReadLayout(Description());
    qrLabel1_ = std::make_unique<TQRLabel>(layout.label);
    qrImage1_ = std::make_unique<TQRImage>(layout.image);
    detailBand1_ = std::make_unique<TQRBand>(layout.band, *qrLabel1_, *qrImage1_);
    quickRep1_ = std::make_unique<TQuickRep>(layout.report, *detailBand1_);

    // The placeholder stands in the picture slot until the first print replaces it.
    if (!layout.image.picture.empty()) {
        const QByteArray bytes =
            AssetBytes(QStringLiteral("pictures/") + QString::fromStdString(layout.image.picture));
        qrImage1_->Picture().ReadEmbedded(std::span(
            reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
    }
}

TForm4::~TForm4() = default;

#include "print/reportelements.h"

#include "core/cp1250.h"

TQRLabel::TQRLabel(LabelLayout layout) : layout_(std::move(layout)) {
    caption_ = Utf8ToCp1250(layout_.caption).value_or(std::string());
}

ReportLayout TQuickRep::PageLayout() const {
    return {layout_, detailBand_.Layout(), detailBand_.Label().Layout(),
            detailBand_.Image().Layout()};
}

PrintOutcome TQuickRep::Print() {
    return PrintReport(PageLayout(), detailBand_.Label().Caption(),
                       detailBand_.Image().Picture().Graphic());
}

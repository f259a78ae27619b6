#pragma once
// The print page's holder: a framed window that is never shown, built from its description
// (forms/TForm4.json) with the banded page, its detail band, the caption label and the picture
// element, the placeholder picture already in the element.

#include "print/reportelements.h"
#include "skin/tform.h"

#include <memory>

class TForm4 : public TForm {
    Q_OBJECT
public:
    TForm4();
    ~TForm4() override;

    TQuickRep& QuickRep1() { return *quickRep1_; }
    TQRBand& DetailBand1() { return *detailBand1_; }
    TQRLabel& QRLabel1() { return *qrLabel1_; }
    TQRImage& QRImage1() { return *qrImage1_; }

private:
    std::unique_ptr<TQRLabel> qrLabel1_;
    std::unique_ptr<TQRImage> qrImage1_;
    std::unique_ptr<TQRBand> detailBand1_;
    std::unique_ptr<TQuickRep> quickRep1_;
};

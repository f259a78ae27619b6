#pragma once
// The elements of the banded print page: the page itself (TQuickRep), its detail band
// (TQRBand), the caption label (TQRLabel) and the picture element (TQRImage). They are filled
// at print time and keep what they were given until the next print.

#include "pictures/pictures.h"
#include "print/reportlayout.h"
#include "print/reportprinter.h"

#include <string>

class TQRLabel {
public:
    explicit TQRLabel(LabelLayout layout);
    const LabelLayout& Layout() const { return layout_; }
    // Code page 1250 bytes; starts as the design caption.
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }

private:
    LabelLayout layout_;
    std::string caption_;
};

class TQRImage {
public:
    explicit TQRImage(ImageLayout layout) : layout_(std::move(layout)) {}
    const ImageLayout& Layout() const { return layout_; }
    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }

private:
    ImageLayout layout_;
    TPicture picture_;
};

class TQRBand {
public:
    TQRBand(BandLayout layout, TQRLabel& label, TQRImage& image)
        : layout_(std::move(layout)), label_(label), image_(image) {}
    const BandLayout& Layout() const { return layout_; }
    TQRLabel& Label() const { return label_; }
    TQRImage& Image() const { return image_; }

private:
    BandLayout layout_;
    TQRLabel& label_;
    TQRImage& image_;
};

class TQuickRep {
public:
    TQuickRep(QuickRepLayout layout, TQRBand& detailBand)
        : layout_(std::move(layout)), detailBand_(detailBand) {}
    const QuickRepLayout& Layout() const { return layout_; }
    // The whole page as it stands: the stored layout with the elements' own settings.
    ReportLayout PageLayout() const;
    // The page has no data source; printing when empty makes the detail band print once, so
    // every print is exactly one page. See PrintReport for the printer and the failures.
    PrintOutcome Print();

private:
    QuickRepLayout layout_;
    TQRBand& detailBand_;
};

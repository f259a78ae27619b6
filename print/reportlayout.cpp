#include "print/reportlayout.h"

using printgeometry::PaperRect;

PaperRect BandOnPaper(const ReportLayout& layout) {
    return {layout.report.page.leftMargin, layout.report.page.topMargin, layout.band.width,
            layout.band.height};
}

PaperRect LabelOnPaper(const ReportLayout& layout) {
    const PaperRect band = BandOnPaper(layout);
    return {band.left + layout.label.left, band.top + layout.label.top, layout.label.width,
            layout.label.height};
}

PaperRect ImageOnPaper(const ReportLayout& layout) {
    const PaperRect band = BandOnPaper(layout);
    return {band.left + layout.image.left, band.top + layout.image.top, layout.image.width,
            layout.image.height};
}

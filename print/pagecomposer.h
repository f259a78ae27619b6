#pragma once
// Draws the print page on any device: the band's white ground, the caption on its white box,
// and the picture at its physical screen size cut at its box. The printer gets it, and so does
// an image when the tests look at a page without a printer.

#include "print/printgeometry.h"
#include "print/reportlayout.h"

#include <QImage>
#include <string>

class QPainter;

struct PageContent {
    std::string caption; // code page 1250 bytes
    QImage picture;      // null: the box stays empty
};

// When the content's picture is only the part of a larger picture that the box shows: the
// whole picture's size, and where the part lies in it.
struct PicturePart {
    QSize whole;
    QPoint offset;
};

struct ScreenResolution {
    int dpiX = printgeometry::DesignDpi;
    int dpiY = printgeometry::DesignDpi;
};

// The part of a picture of this size that the page shows in its box, in the picture's pixels:
// a picture is printed at its screen size and cut at the box, so a large one shows only its
// top-left corner.
QRect PrintedPart(const ReportLayout& layout, const printgeometry::DeviceMetrics& device,
                  ScreenResolution screen, QSize picture);

void ComposePage(QPainter& painter, const ReportLayout& layout,
                 const printgeometry::DeviceMetrics& device, ScreenResolution screen,
                 const PageContent& content, const PicturePart* part = nullptr);

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

struct ScreenResolution {
    int dpiX = printgeometry::DesignDpi;
    int dpiY = printgeometry::DesignDpi;
};

void ComposePage(QPainter& painter, const ReportLayout& layout,
                 const printgeometry::DeviceMetrics& device, ScreenResolution screen,
                 const PageContent& content);

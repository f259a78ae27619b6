#pragma once
// The stored layout of the print page: the banded page, its one detail band, the caption label
// and the picture element. Lengths are in tenths of a millimetre, as the page stores them;
// element positions are relative to the band, the band sits at the top-left of the margins.

#include "print/printgeometry.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A font as the layout describes it. A negative height is the character height in pixels on
// the 96 dpi design grid, without the internal leading.
struct ReportFont {
    std::string name;
    int height = 0;
    int charset = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint32_t color = 0; // a Windows colour value; system colours have 0xFF in the top byte
};

struct PageSetup {
    std::string paperSize; // "A4"
    double paperWidth = 0;
    double paperLength = 0;
    bool portrait = true;
    double topMargin = 0;
    double bottomMargin = 0;
    double leftMargin = 0;
    double rightMargin = 0;
    int columns = 1;
    double columnSpace = 0;
};

struct PrinterSetup {
    int copies = 1;
    bool duplex = false;
    int firstPage = 0; // 0 to 0: all pages
    int lastPage = 0;
    std::string outputBin; // "Auto": the printer picks the paper source
};

struct QuickRepLayout {
    std::string name;
    PageSetup page;
    PrinterSetup printer;
    std::vector<std::string> options; // "FirstPageHeader", "LastPageFooter"
    bool printIfEmpty = true;
    std::string reportTitle; // the print job's document name (UTF-8)
    ReportFont font;
    std::map<std::string, std::string> functions; // expression variables, not printed
    std::string units;                            // design-time display only
    int zoom = 100;
};

struct BandLayout {
    std::string name;
    std::string bandType; // "rbDetail"
    double width = 0;
    double height = 0;
    std::uint32_t color = 0xFFFFFF;
    bool alignToBottom = false;
    bool forceNewPage = false;
    bool forceNewColumn = false;
};

struct LabelLayout {
    std::string name;
    double left = 0;
    double top = 0;
    double width = 0; // the design width; auto-size replaces it by the caption's
    double height = 0;
    std::string caption; // the design caption (UTF-8)
    std::string alignment = "taLeftJustify";
    bool alignToBand = false;
    bool autoSize = true;
    bool autoStretch = false;
    bool wordWrap = false;
    bool transparent = false;
    std::uint32_t color = 0xFFFFFF;
    ReportFont font;
};

struct ImageLayout {
    std::string name;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    std::string picture; // the built-in placeholder
    bool stretch = false;
    bool center = false;
    bool autoSize = false;
};

struct ReportLayout {
    QuickRepLayout report;
    BandLayout band;
    LabelLayout label;
    ImageLayout image;
};

// Positions on paper, measured from the paper's top-left corner.
printgeometry::PaperRect BandOnPaper(const ReportLayout& layout);
printgeometry::PaperRect LabelOnPaper(const ReportLayout& layout);
printgeometry::PaperRect ImageOnPaper(const ReportLayout& layout);

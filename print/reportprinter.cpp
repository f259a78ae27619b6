#include "print/reportprinter.h"

#include "core/cp1250.h"
#include "core/errors.h"
#include "pictures/pictures.h"
#include "print/pagecomposer.h"
#include "print/printprogress.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <cmath>
#include <optional>

namespace {

// Messages are code page 1250 like every other; a printer name may hold characters it lacks.
std::string MessageText(const QString& text) {
    std::string result;
    for (const char32_t character : text.toUcs4()) {
        const auto bytes = Utf8ToCp1250(QString::fromUcs4(&character, 1).toStdString());
        result += bytes ? *bytes : std::string("?");
    }
    return result;
}

QPrinterInfo DefaultPrinter() {
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        throw EPrinter("No printer is installed");
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        throw EPrinter("There is no default printer currently selected");
    return printer;
}

QPageSize PaperSize(const PageSetup& page) {
    if (page.paperSize == "A4")
        return QPageSize(QPageSize::A4);
    return QPageSize(QSizeF(page.paperWidth / 10, page.paperLength / 10), QPageSize::Millimeter,
                     QString(), QPageSize::ExactMatch);
}

void Configure(QPrinter& printer, const QuickRepLayout& report) {
    printer.setFullPage(true);
    printer.setPageSize(PaperSize(report.page));
    printer.setPageOrientation(report.page.portrait ? QPageLayout::Portrait
                                                    : QPageLayout::Landscape);
    printer.setCopyCount(report.printer.copies);
    if (report.printer.duplex)
        printer.setDuplex(QPrinter::DuplexAuto);
    if (report.printer.outputBin == "Auto")
        printer.setPaperSource(QPrinter::Auto);
    printer.setDocName(QString::fromStdString(report.reportTitle));
}

printgeometry::DeviceMetrics Metrics(const QPrinter& printer) {
    // The device origin lies inside the paper by the unprintable margin (none in full-page
    // mode, where Qt puts the origin on the paper's corner).
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    return {printer.logicalDpiX(), printer.logicalDpiY(),
            static_cast<int>(std::lround(page.left() - paper.left())),
            static_cast<int>(std::lround(page.top() - paper.top()))};
}

ScreenResolution ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {static_cast<int>(std::lround(screen->logicalDotsPerInchX())),
            static_cast<int>(std::lround(screen->logicalDotsPerInchY()))};
}

// A picture that cannot be decoded stops the print like any other failure, before the job
// starts, rather than print an empty box. Only the part the box shows is decoded: a picture
// of 150 megapixels shows a few hundred pixels of its corner there. Paper gets sRGB, which CUPS
// expects, whatever profile the screen has (then that part is decoded again for it).
PageContent PrintedContent(const std::string& caption, TGraphic* picture,
                           const ReportLayout& layout, const printgeometry::DeviceMetrics& device,
                           std::optional<PicturePart>& part) {
    PageContent content{caption, {}};
    if (picture == nullptr)
        return content;
    const QSize whole(picture->Width(), picture->Height());
    const QRect shown = PrintedPart(layout, device, ScreenDpi(), whole);
    picture->PrepareDrawing(whole, shown.isEmpty() ? QRect(0, 0, 1, 1) : shown);
    content.picture = picture->SrgbImage();
    if (content.picture.size() != whole)
        part = PicturePart{whole, picture->ImageOffset()};
    return content;
}

} // namespace

PrintOutcome PrintReport(const ReportLayout& layout, const std::string& caption,
                         TGraphic* picture) {
    const QPrinterInfo info = DefaultPrinter();
    const std::string name = MessageText(info.printerName());

    PrintProgress progress;
    progress.show();
    if (!progress.Step(0))
        return PrintOutcome::Cancelled;

    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        throw EPrinter("The printer \"" + name + "\" is not available");
    Configure(printer, layout.report);
    if (!progress.Step(20))
        return PrintOutcome::Cancelled;

    std::optional<PicturePart> part;
    const PageContent content = PrintedContent(caption, picture, layout, Metrics(printer), part);
    if (!progress.Step(50))
        return PrintOutcome::Cancelled;

    // Once the painter has begun, the job goes to the printer when it ends: the print engine
    // cannot withdraw it.
    progress.DisallowCancel();
    QPainter painter;
    if (!painter.begin(&printer))
        throw EPrinter("Printing could not be started on \"" + name + "\"");
    ComposePage(painter, layout, Metrics(printer), ScreenDpi(), content, part ? &*part : nullptr);
    progress.Step(80);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw EPrinter("The page could not be sent to the printer \"" + name + "\"");
    progress.Step(100);
    return PrintOutcome::Sent;
}

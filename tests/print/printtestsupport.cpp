#include "printtestsupport.h"

#include "jpegencoder.h"
#include "jpegimage.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

std::unique_ptr<TGraphic> JpegPicture(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < rgb.height(); ++y)
        pixels.insert(pixels.end(), rgb.constScanLine(y), rgb.constScanLine(y) + rgb.width() * 3);
    auto picture = std::make_unique<TJPEGImage>();
    picture->LoadFromBytes(EncodeJpeg(pixels.data(), rgb.width(), rgb.height(), false, 95));
    return picture;
}

std::unique_ptr<TGraphic> UndecodableJpegPicture(int width, int height) {
    std::vector<std::uint8_t> pixels(std::size_t(width) * height * 3, 128);
    std::vector<std::uint8_t> bytes = EncodeJpeg(pixels.data(), width, height, false, 90);
    // A Huffman table segment too short for its own header, just before the end marker: the
    // headers read fine, the decoding fails.
    const std::uint8_t badTable[] = {0xFF, 0xC4, 0x00, 0x03, 0x00};
    bytes.insert(bytes.end() - 2, std::begin(badTable), std::end(badTable));
    auto picture = std::make_unique<TJPEGImage>();
    picture->LoadFromBytes(std::move(bytes));
    return picture;
}

namespace {
QWidget* ProgressWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowTitle() == QLatin1String("Printing progress"))
            return widget;
    }
    return nullptr;
}
} // namespace

bool ProgressWindowVisible() {
    return ProgressWindow() != nullptr;
}

void WatchProgressWindow(ProgressSeen& seen, bool cancel) {
    QTimer::singleShot(0, [&seen, cancel] {
        QWidget* window = ProgressWindow();
        if (!window)
            return;
        seen.shown = true;
        seen.hasBar = window->findChild<QProgressBar*>() != nullptr;
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            if (button->text() == QLatin1String("Cancel")) {
                seen.hasCancel = true;
                if (cancel)
                    button->click();
            }
        }
    });
}

void PrinterTest::SetUp() {
    // The state script works on the private server's own socket only.
    server_.SetState("default");
    const std::string why = server_.CheckIsPrivate();
    ASSERT_EQ(why, "") << "refusing to print";
}

void PrinterTest::TearDown() {
    server_.SetState("default");
}

std::optional<PageImage> PrinterTest::PrintAndRead(const std::function<void()>& print) {
    const auto before = server_.Pdfs();
    print();
    const auto pdf = server_.WaitForNewPdf(before, std::chrono::seconds(120));
    if (pdf.empty()) {
        ADD_FAILURE() << "no PDF arrived from the printer";
        return std::nullopt;
    }
    EXPECT_EQ(PrintServerClient::PageCount(pdf), 1) << pdf;
    const QImage page = PrintServerClient::RenderFirstPage(pdf);
    if (page.isNull()) {
        ADD_FAILURE() << "could not render " << pdf;
        return std::nullopt;
    }
    // A4 at 254 dpi.
    EXPECT_NEAR(page.width(), 2100, 2);
    EXPECT_NEAR(page.height(), 2970, 2);
    return PageImage(page, 10);
}

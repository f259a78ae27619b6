// The print page printed directly (a test driver), for what the program cannot easily reach:
// the progress window and its Cancel, and a picture that cannot be decoded.

#include "core/errors.h"
#include "pictures/pictures.h"
#include "print/tform4.h"
#include "tests/print/printserverclient.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QWidget* ProgressWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowTitle() == QLatin1String("Printing progress"))
            return widget;
    }
    return nullptr;
}

// A JPEG of `image`, optionally with a Huffman table segment too short for its own header
// before the end marker: its headers load, its decoding fails.
std::unique_ptr<TGraphic> Jpeg(const QImage& image, bool undecodable = false) {
    std::vector<std::uint8_t> bytes = JpegOf(image);
    if (undecodable)
        bytes.insert(bytes.end() - 2, {0xFF, 0xC4, 0x00, 0x03, 0x00});
    auto picture = std::make_unique<TJPEGImage>();
    picture->LoadFromBytes(std::move(bytes));
    return picture;
}

class PrintPage : public testing::Test {
protected:
    void SetUp() override {
        server_.SetState("default");
        ASSERT_EQ(server_.CheckIsPrivate(), "") << "refusing to print";
    }

    // Prints, looking at the progress window as soon as the print lets events through, and
    // clicking its Cancel when asked to.
    PrintOutcome Print(std::unique_ptr<TGraphic> picture, bool cancel = false) {
        page_.QRLabel1().SetCaption("HEKTOR");
        page_.QRImage1().Picture().SetGraphic(std::move(picture));
        QTimer::singleShot(0, [this, cancel] {
            QWidget* window = ProgressWindow();
            auto* button = window ? window->findChild<QPushButton*>() : nullptr;
            progressShown_ = window && window->findChild<QProgressBar*>() && button &&
                             button->text() == QLatin1String("Cancel");
            if (cancel && button)
                button->click();
        });
        const PrintOutcome outcome = page_.QuickRep1().Print();
        EXPECT_FALSE(ProgressWindow()) << "the progress window stayed up";
        return outcome;
    }

    PrintServerClient server_;
    TForm4 page_;
    bool progressShown_ = false;
};

TEST_F(PrintPage, ProgressWindowWhileThePageIsBuiltAndSent) {
    const auto before = server_.Pdfs();
    EXPECT_EQ(Print(Jpeg(CheckerPicture(529, 450))), PrintOutcome::Sent);
    EXPECT_TRUE(progressShown_) << "no progress window with a bar and a Cancel button";
    const auto sheet = server_.ReadNewSheet(before);
    ASSERT_TRUE(sheet);
    ExpectPicturePrinted(*sheet, {529, 450});
    ExpectCapitalsCaption(*sheet);
}

TEST_F(PrintPage, CancelBeforeSendingPrintsNothing) {
    const int jobs = server_.JobCount();
    EXPECT_EQ(Print(Jpeg(CheckerPicture(529, 450)), true), PrintOutcome::Cancelled);
    EXPECT_TRUE(progressShown_);
    EXPECT_EQ(server_.JobCount(), jobs);
}

// A sheet with an empty box would pass for a good print: the decoding failure stops it, even
// when the picture's first drawing already reported it.
TEST_F(PrintPage, UndecodablePictureIsAPrintFailure) {
    const int jobs = server_.JobCount();
    std::unique_ptr<TGraphic> picture = Jpeg(CheckerPicture(529, 450), true);
    EXPECT_THROW(picture->ToImage(), EJPEG);
    page_.QRImage1().Picture().SetGraphic(std::move(picture));
    EXPECT_THROW(page_.QuickRep1().Print(), EJPEG);
    EXPECT_FALSE(ProgressWindow());
    EXPECT_EQ(server_.JobCount(), jobs);
}

} // namespace

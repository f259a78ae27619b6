#include "bench/pictureview/viewdriver.h"

#include "app/windowset.h"
#include "mainwindow/tform1.h"
#include "mainwindow/viewstate.h"
#include "pictures/pictures.h"
#include "shell/application.h"
#include "shell/errorreport.h"
#include "skin/skin.h"
#include "skin/tform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QTimer>

namespace {

int& ReportCount() {
    static int count = 0;
    return count;
}

// Closes the splash and the introduction as soon as they are shown.
class ModalCloser : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show)
            return false;
        const QString name = watched->objectName();
        if (name == QLatin1String("TForm6") || name == QLatin1String("TForm8")) {
            auto* form = static_cast<TForm*>(watched);
            QTimer::singleShot(0, form, [form] { form->Close(); });
        }
        return false;
    }
};

void ProcessEvents() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

bool Decoded(const TImage& image) {
    const auto* jpeg = dynamic_cast<const TJPEGImage*>(image.Picture().Graphic());
    return jpeg != nullptr && jpeg->Decoded();
}

} // namespace

ViewDriver::ViewDriver() : closer_(std::make_unique<ModalCloser>()) {
    SetReportSink([](const std::string& text) {
        ++ReportCount();
        std::fprintf(stderr, "error report: %s\n", text.c_str());
    });
    QCoreApplication::instance()->installEventFilter(closer_.get());
    windows_ = std::make_unique<WindowSet>();
    Form(Window::Main)->Show();
    ProcessEvents();
}

ViewDriver::~ViewDriver() {
    windows_.reset();
    QCoreApplication::instance()->removeEventFilter(closer_.get());
    SetReportSink(nullptr);
}

TForm1& ViewDriver::Main() const {
    return static_cast<TForm1&>(*Form(Window::Main));
}

int ViewDriver::RowOf(const std::string& title) const {
    const TListBox& list = *Main().ListBox1;
    for (int row = 0; row < list.RowCount(); ++row) {
        if (list.Row(row) == QString::fromStdString(title))
            return row;
    }
    return -1;
}

void ViewDriver::ClickRow(int row) {
    TListBox& list = *Main().ListBox1;
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(row)).center());
}

void ViewDriver::PressKeyOnList(int key) {
    QTest::keyClick(Main().ListBox1, static_cast<Qt::Key>(key));
}

void ViewDriver::WaitForDecodesAhead() {
    while (DecodingAhead()) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

void ViewDriver::ClickPageRight() {
    QTest::mouseClick(Main().Image6, Qt::LeftButton, {}, QPoint(2, 2));
}

void ViewDriver::PaintNow() {
    Main().repaint();
    QCoreApplication::processEvents();
    // A paint leaves a slow decode running and draws its picture once it is done.
    const QList<TImage*> images = Main().findChildren<TImage*>();
    while (std::any_of(images.begin(), images.end(),
                       [](const TImage* image) { return image->DecodeUnshown(); }))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QCoreApplication::processEvents();
}

std::string ViewDriver::CurrentPicturePath() const {
    return View().CurrentPicturePath;
}

int ViewDriver::ThumbnailPage() const {
    return View().ThumbnailPage;
}

bool ViewDriver::ShownPicturesDecoded() const {
    if (!Decoded(*Main().MainImage))
        return false;
    for (const TImage* slot : Main().imageprev) {
        if (slot->isVisible() && !Decoded(*slot))
            return false;
    }
    return true;
}

double ViewDriver::DecodedBytesPerPixel() const {
    TGraphic* graphic = Main().MainImage->Picture().Graphic();
    if (graphic == nullptr || graphic->Width() <= 0 || graphic->Height() <= 0)
        return 0;
    const QImage bitmap = graphic->ToImage();
    return static_cast<double>(bitmap.sizeInBytes()) /
           (static_cast<double>(graphic->Width()) * graphic->Height());
}

int ViewDriver::Reports() const {
    return ReportCount();
}

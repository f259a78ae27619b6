#include "skin/timage.h"

#include "shell/errorreport.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) {
    picture_.OnChange = [this] { PictureChanged(); };
}

TImage::~TImage() {
    picture_.OnChange = nullptr;
}

void TImage::SetStretch(bool stretch) {
    if (stretch_ == stretch)
        return;
    stretch_ = stretch;
    update();
}

void TImage::PrepareDrawing() {
    if (TGraphic* graphic = picture_.Graphic())
        graphic->PrepareDrawing(stretch_ ? size() : QSize(graphic->Width(), graphic->Height()));
}

void TImage::PictureChanged() {
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    TGraphic* graphic = picture_.Graphic();
    if (graphic == nullptr)
        return;
    QPainter painter(this);
    // No smooth transform: a stretched picture repeats or drops rows and columns.
    const QRect target = stretch_ ? rect() : QRect(0, 0, graphic->Width(), graphic->Height());
    try {
        graphic->Draw(painter, target);
    } catch (...) {
        // Decoding errors surface after the paint, through the error report.
        ReportLater(std::current_exception());
    }
}

void TImage::mousePressEvent(QMouseEvent* event) {
    // The topmost widget takes every press on it, clickable or not.
    event->accept();
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !leftPressed_)
        return;
    leftPressed_ = false;
    if (!rect().contains(event->position().toPoint()) || !OnClick)
        return;
    const std::function<void()> handler = OnClick; // the handler may replace OnClick
    RunHandler(handler);
}

void TImage::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is no click.
    event->accept();
    leftPressed_ = false;
}

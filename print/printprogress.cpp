#include "print/printprogress.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

PrintProgress::PrintProgress()
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      bar_(new QProgressBar(this)), cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("PrintProgress"));
    setWindowTitle(QStringLiteral("Printing progress"));
    // The user may only cancel meanwhile; the windows beneath wait for the print.
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose, false);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);
    setFixedWidth(320);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    connect(cancel_, &QPushButton::clicked, this, [this] {
        cancelRequested_ = true;
        cancel_->setEnabled(false);
    });
}

bool PrintProgress::Step(int percent) {
    bar_->setValue(std::clamp(percent, 0, 100));
    QCoreApplication::processEvents();
    return !cancelRequested_;
}

void PrintProgress::DisallowCancel() {
    cancel_->setEnabled(false);
    QCoreApplication::processEvents();
}

void PrintProgress::closeEvent(QCloseEvent* event) {
    // Closing the window by its frame means Cancel while that still counts; it stays up until
    // the print is over either way.
    if (cancel_->isEnabled())
        cancel_->click();
    event->ignore();
}

#include "shell/plainmessage.h"

#include "shell/applicationtitle.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

void PlainMessage(const QString& text) {
    QDialog dialog;
    dialog.setWindowTitle(ApplicationTitle());
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(text, &dialog);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    layout->addWidget(label);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // The windows' own rule, (screen − dialog) div 2: QRect::center() would put an
        // even-sized dialog a pixel further left and up.
        const QRect area = screen->geometry();
        dialog.move(area.left() + std::max(0, (area.width() - dialog.width()) / 2),
                    area.top() + std::max(0, (area.height() - dialog.height()) / 2));
    }
    dialog.exec();
}

#include "tests/windows/windowstesting.h"

#include "app/tform.h"
#include "catalogue/catalogue.h"
#include "core/errors.h"

#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace fake {
int selectedRow = -1;
int printCalls = 0;
bool printFails = false;
} // namespace fake

// The program gets these from the main window and the print; the windows only call them.
int SelectedRow() {
    return fake::selectedRow;
}

int SelectedRecordNumber() {
    return TheCatalogue().RecordNumberForRow(fake::selectedRow);
}

const CatalogueRecord* SelectedRecord() {
    return TheCatalogue().RecordForRow(fake::selectedRow);
}

void PrintShownPicture() {
    ++fake::printCalls;
    if (fake::printFails)
        throw EPrinter("Printer selected is not valid");
}

ModalRun RunModal(TForm& form, const std::function<void()>& whileOpen, int settleMs) {
    ModalRun run;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &form, [&] {
        run.leftOpen = true;
        form.Close();
    });
    QTimer::singleShot(0, &form, [&] {
        whileOpen();
        guard.start(settleMs);
    });
    run.result = form.ShowModal();
    return run;
}

QWidget& ControlOf(TForm& form, const QString& name) {
    QWidget* control = form.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    EXPECT_NE(control, nullptr) << name.toStdString();
    static QWidget nothing;
    return control ? *control : nothing;
}

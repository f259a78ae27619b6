#include "tests/windows/windowstesting.h"

#include "catalogue/catalogue.h"
#include "core/errors.h"
#include "mainwindow/selectedentry.h"
#include "pictures/pictures.h"
#include "skin/tform.h"

#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace fake {
int selectedRow = -1;
int printCalls = 0;
bool printFails = false;
} // namespace fake

namespace {
class FakeSelectedEntry : public SelectedEntry {
public:
    const CatalogueRecord* Record() const override {
        return TheCatalogue().RecordForRow(fake::selectedRow);
    }
    int RecordNumber() const override {
        return TheCatalogue().RecordNumberForRow(fake::selectedRow);
    }
    const TPicture& ShownPicture() const override { return picture_; }

private:
    TPicture picture_;
};
} // namespace

const WindowContext& FakeContext() {
    static const FakeSelectedEntry selected;
    static const WindowContext context{
        &selected,
        [] {
            ++fake::printCalls;
            if (fake::printFails)
                throw EPrinter("Printer selected is not valid");
        },
        [](Window) -> int { throw EInvalidOperation("The window tests open no other window"); }};
    return context;
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

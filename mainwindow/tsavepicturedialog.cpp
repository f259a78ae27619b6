#include "mainwindow/tsavepicturedialog.h"

#include "core/cp1250.h"
#include "mainwindow/picturepreview.h"
#include "mainwindow/savenames.h"
#include "pictures/pictures.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLineEdit>

namespace {
std::vector<PictureFormatEntry> RegisteredFormats() {
    std::vector<PictureFormatEntry> formats;
    for (const auto& entry : FileFormats().Entries())
        formats.push_back({entry.extension, entry.description});
    return formats;
}
} // namespace

TSavePictureDialog::TSavePictureDialog(QWidget* parent)
    : QFileDialog(parent), preview_(new PicturePreview(this)) {
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::DontConfirmOverwrite);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setDefaultSuffix(QString());
    setSizeGripEnabled(true);

    // The filter is "shown|patterns|shown|patterns…"; the toolkit splits patterns on blanks
    // only, so the semicolon lists are applied to the file list by hand.
    const QStringList parts =
        QString::fromStdString(BuildPictureFilter(RegisteredFormats())).split(QLatin1Char('|'));
    QStringList shown;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filterRows_.push_back({parts[i], parts[i + 1].split(QLatin1Char(';'))});
        shown << parts[i];
    }
    setNameFilters(shown);
    // Picking a file type makes the toolkit's dialog swap the typed name's extension for the
    // type's (the last one of "All"); the saved name is the typed one whatever the type, so
    // the name is noted as the type changes, before that swap, and put back after it.
    if (auto* types = findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        connect(types, &QComboBox::currentIndexChanged, this, [this] {
            if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                nameBeforeFilter_ = name->text();
        });
    connect(this, &QFileDialog::filterSelected, this, &TSavePictureDialog::UsePatternsOf);
    connect(this, &QFileDialog::filterSelected, this, &TSavePictureDialog::KeepTheName);

    // The preview area stands to the right of the standard controls.
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(preview_, 0, grid->columnCount(), grid->rowCount(), 1);
    connect(this, &QFileDialog::currentChanged, preview_, &PicturePreview::ShowFile);
}

void TSavePictureDialog::UsePatternsOf(const QString& filterRow) {
    for (const FilterRow& row : filterRows_) {
        if (row.shown != filterRow)
            continue;
        if (auto* model = findChild<QFileSystemModel*>())
            model->setNameFilters(row.patterns);
    }
}

void TSavePictureDialog::KeepTheName() {
    auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name && name->text() != nameBeforeFilter_)
        name->setText(nameBeforeFilter_);
}

QStringList TSavePictureDialog::FilterRows() const {
    QStringList rows;
    for (const FilterRow& row : filterRows_)
        rows << row.shown;
    return rows;
}

void TSavePictureDialog::SetFileName(const std::string& fileName) {
    fileName_ = QString::fromStdString(Cp1250ToUtf8(fileName));
}

bool TSavePictureDialog::Execute() {
    preview_->Clear();
    // Opens where the program's pictures are (the current directory is put back there after
    // every save), not wherever the user last went.
    setDirectory(QDir::currentPath());
    if (chosenFilter_ < static_cast<int>(filterRows_.size())) {
        selectNameFilter(filterRows_[chosenFilter_].shown);
        UsePatternsOf(filterRows_[chosenFilter_].shown);
    }
    // After the filter: choosing a filter makes the toolkit's dialog rewrite the name's
    // extension, and the proposed name must reach the user as it is.
    selectFile(fileName_);
    const bool confirmed = exec() == QDialog::Accepted;
    if (confirmed) {
        // A confirmed choice of filter is offered first next time.
        const QStringList rows = FilterRows();
        chosenFilter_ = std::max(0, static_cast<int>(rows.indexOf(selectedNameFilter())));
    }
    return confirmed;
}

QString TSavePictureDialog::ChosenPath() const {
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

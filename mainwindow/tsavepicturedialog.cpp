#include "mainwindow/tsavepicturedialog.h"

#include "core/cp1250.h"
#include "mainwindow/picturepreview.h"
#include "mainwindow/savefolders.h"
#include "mainwindow/savenames.h"
#include "pictures/pictures.h"
#include "shell/plainmessage.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

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
    target_.clear();
    const SavePolicy& policy = TheSavePolicy();
    if (policy.lockedDown) {
        LockDown(PresentSaveFolders(policy));
    } else {
        // Opens where the program's pictures are (the current directory is put back there
        // after every save), not wherever the user last went.
        setDirectory(QDir::currentPath());
    }
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

void TSavePictureDialog::LockDown(const std::vector<std::string>& folders) {
    folders_ = folders;
    // The model refuses renames and deletions (also by key); the menu that offers them, the
    // new-folder button and showing hidden files are taken away.
    setOption(QFileDialog::ReadOnly, true);
    setFilter(filter() & ~QDir::Hidden);
    for (auto* view : findChildren<QAbstractItemView*>())
        view->setContextMenuPolicy(Qt::NoContextMenu);
    if (auto* newFolder = findChild<QToolButton*>(QStringLiteral("newFolderButton")))
        newFolder->hide();
    QList<QUrl> places;
    for (const std::string& folder : folders_)
        places << QUrl::fromLocalFile(QString::fromStdString(folder));
    setSidebarUrls(places);
    setHistory({});
    if (!folders_.empty())
        setDirectory(QString::fromStdString(folders_.front()));
    connect(this, &QFileDialog::directoryEntered, this, &TSavePictureDialog::StayInFolders,
            Qt::UniqueConnection);
}

void TSavePictureDialog::StayInFolders(const QString& folder) {
    if (folders_.empty())
        return;
    const std::string inside = NormalisedPath(folder.toStdString()) + "/x";
    if (CheckLockedTarget(inside, folders_) != SaveRefusal::OutsideFolders)
        return;
    // Queued: the dialog is still handling the move that brought it here.
    QMetaObject::invokeMethod(
        this, [this] { setDirectory(QString::fromStdString(folders_.front())); },
        Qt::QueuedConnection);
}

bool TSavePictureDialog::ReplaceAgreed(const std::string& existing) {
    const QString name = QFileInfo(QString::fromStdString(existing)).fileName();
    QMessageBox question(QMessageBox::Warning, windowTitle(),
                         QStringLiteral("%1 már létezik.\nLecseréli?").arg(name),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.button(QMessageBox::Yes)->setText(QStringLiteral("Igen"));
    question.button(QMessageBox::No)->setText(QStringLiteral("Nem"));
    // Keeping the file is what a slip of the Enter key should do.
    question.setDefaultButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
}

void TSavePictureDialog::accept() {
    const QString chosen = ChosenPath();
    // A folder typed or chosen is opened, as the dialog does it.
    if (chosen.isEmpty() || QFileInfo(chosen).isDir()) {
        QFileDialog::accept();
        return;
    }
    // "x.jpg/../.profile" is the file .profile: the name rules and the replace question look
    // at the path the copy will really go to.
    std::string target = SaveTargetPath(NormalisedPath(chosen.toStdString()));
    if (TheSavePolicy().lockedDown) {
        switch (CheckLockedTarget(target, folders_)) {
        case SaveRefusal::OutsideFolders:
            PlainMessage(QStringLiteral("Ide nem lehet menteni. A képet csak a kijelölt "
                                        "mappákba (például egy USB-meghajtóra) mentheti."));
            return;
        case SaveRefusal::Hidden:
            PlainMessage(QStringLiteral("Ponttal kezdődő névvel nem lehet menteni."));
            return;
        case SaveRefusal::None:
            break;
        }
        target = FreeTargetName(target);
    } else if (const std::string existing = ExistingTarget(target); !existing.empty()) {
        if (!ReplaceAgreed(existing))
            return;
    }
    target_ = target;
    QFileDialog::accept();
}

void TSavePictureDialog::done(int result) {
    // The name field's completion list is a window of its own; left up, it would take the
    // next click on the main window.
    if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        if (QCompleter* completer = name->completer())
            completer->popup()->hide();
    QFileDialog::done(result);
}

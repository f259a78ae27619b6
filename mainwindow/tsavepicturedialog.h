#pragma once
// The save dialog of the main window: the toolkit's own (non-native) file dialog offering the
// picture formats, with a preview area to the right of its controls.

#include <QFileDialog>
#include <QString>
#include <string>
#include <vector>

class PicturePreview;

class TSavePictureDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit TSavePictureDialog(QWidget* parent = nullptr);

    // The name proposed when the dialog opens (code page 1250 bytes).
    void SetFileName(const std::string& fileName);
    // Runs the dialog modally; true when the user confirmed a name.
    bool Execute();
    // The chosen full path, as the toolkit gives it.
    QString ChosenPath() const;
    // Where the copy goes: the chosen path normalised, lower-cased and given ".jpg" by the
    // name rules, after the user agreed to replace a file there (or, locked down, a free name
    // beside it). Set when the dialog is confirmed.
    const std::string& Target() const { return target_; }

    // The filter rows as shown, in order ("All (…)" first).
    QStringList FilterRows() const;
    PicturePreview* Preview() const { return preview_; }

protected:
    // The name is checked before the dialog closes, so a refusal or a "no" to replacing a
    // file leaves the user in the dialog to choose again.
    void accept() override;
    void done(int result) override;

private:
    void UsePatternsOf(const QString& filterRow);
    void KeepTheName();
    // Saving only into the folders allowed: no renaming, deleting or new folders, no hidden
    // files, and no way out of the folders.
    void LockDown(const std::vector<std::string>& folders);
    void StayInFolders(const QString& folder);
    bool ReplaceAgreed(const std::string& existing);

    struct FilterRow {
        QString shown;
        QStringList patterns;
    };
    std::vector<FilterRow> filterRows_;
    int chosenFilter_ = 0;
    QString fileName_;
    // The name field's text as it was before the user picked another file type.
    QString nameBeforeFilter_;
    std::string target_;
    std::vector<std::string> folders_;
    PicturePreview* preview_;
};

#pragma once
// The save dialog of the main window: the toolkit's own (non-native) file dialog offering the
// picture formats, with a preview area to the right of its controls.

#include <QFileDialog>
#include <QString>
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

    // The filter rows as shown, in order ("All (…)" first).
    QStringList FilterRows() const;
    PicturePreview* Preview() const { return preview_; }

private:
    void UsePatternsOf(const QString& filterRow);
    void KeepTheName();

    struct FilterRow {
        QString shown;
        QStringList patterns;
    };
    std::vector<FilterRow> filterRows_;
    int chosenFilter_ = 0;
    QString fileName_;
    // The name field's text as it was before the user picked another file type.
    QString nameBeforeFilter_;
    PicturePreview* preview_;
};

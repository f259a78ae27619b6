#pragma once
// The save dialog's preview: a caption with the picture's size, a button that opens the
// picture at its natural size, and a bevelled box showing the selected picture.

#include "pictures/pictures.h"

#include <QWidget>

class QLabel;
class QToolButton;
class PreviewBox;

class PicturePreview : public QWidget {
    Q_OBJECT
public:
    explicit PicturePreview(QWidget* parent = nullptr);

    // Loads the named file (a path as the dialog gives it); any load error leaves it empty.
    void ShowFile(const QString& path);
    void Clear();

    QString Caption() const;
    bool PreviewEnabled() const;
    const TPicture& Picture() const { return picture_; }
    // Opens the modal "Preview" window with the picture at its natural size.
    void OpenPreviewWindow();

private:
    TPicture picture_;
    QLabel* caption_;
    QToolButton* previewButton_;
    PreviewBox* box_;
};

// Where a picture goes in the preview box: natural size centred when it fits; otherwise scaled
// to the box's width (wider than high) or height, from the box's top-left corner.
QRect PreviewTarget(QSize picture, QSize box);

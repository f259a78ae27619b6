#pragma once
// The image widget: draws its picture onto the parent's surface (nothing where there is no
// picture, so the parent's painting shows through) and takes the clicks on its rectangle.

#include "pictures/picture.h"

#include <functional>

#include <QWidget>

// The part of a widget at geometry that its parent of parentSize can show, in the widget's own
// coordinates; a 1 x 1 corner when none of it can, so that a picture still gets ready.
QRect ShownPartOf(const QRect& geometry, const QSize& parentSize);

class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);
    ~TImage() override;

    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }

    // On: the picture fills the widget, rows and columns dropped or repeated. Off: natural
    // size from the top-left corner, cut off at the widget's bounds.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

    // Lets the picture get ready to be drawn at the widget's present size and stretching (a
    // JPEG starts decoding in the background); call it once the widget is placed.
    void PrepareDrawing();

    // Whether the widget shows, or is about to, a picture whose background decode it has not
    // drawn yet.
    bool DecodeUnshown() const;

    // Runs, through RunHandler, on a completed left click: press and release on the widget.
    std::function<void()> OnClick;

protected:
    // Called after the picture object was replaced; redraws. Subclasses may add to it.
    virtual void PictureChanged();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TPicture picture_;
    bool stretch_ = false;
    bool leftPressed_ = false;
};

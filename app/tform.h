#pragma once
// A window of the program's fixed set. Built hidden at start-up, shown modally (all but the
// main window), closed by its own painted buttons, and hidden, never destroyed, on close.

#include <QPoint>
#include <QSize>
#include <QWidget>

class QEventLoop;

class TForm : public QWidget {
    Q_OBJECT
public:
    enum class Placement { Centred, Fixed };

    // clientSize is the window's client size; a borderless window's size equals it.
    TForm(const QString& name, QSize clientSize, Placement placement, QPoint fixedPosition = {});
    ~TForm() override;

    // Runs the show handler, places the window (the first time only) and puts it on screen.
    void Show();
    // Modal display: refuses a visible or disabled window with EInvalidOperation, returns when
    // the window is closed. The result is the modal result (2 = cancel).
    int ShowModal();
    // Ends the modal display, or, for the main window, asks the application to quit.
    void Close();

    bool IsModal() const { return modalLoop_ != nullptr; }
    bool HasBeenPlaced() const { return placed_; }
    // Where the window goes the first time it is shown.
    QPoint FirstPlacement() const;

protected:
    // The show handler: runs before the window is placed and put on screen.
    virtual void FormShow() {}
    // The close handler: runs when the window closes, whatever the cause.
    virtual void FormClose() {}

    void closeEvent(QCloseEvent* event) override;

private:
    void PlaceOnFirstShow();

    Placement placement_;
    QPoint fixedPosition_;
    bool placed_ = false;
    int modalResult_ = 0;
    QEventLoop* modalLoop_ = nullptr;
};

#pragma once
// A window of the program's fixed set. Built hidden at start-up from the description its class
// names, shown modally (all but the main window), closed by its own painted buttons, and
// hidden, never destroyed, on close.

#include "skin/formbuilder.h"
#include "skin/formdescription.h"
#include "skin/formhandlers.h"

#include <QPoint>
#include <QSize>
#include <QWidget>
#include <functional>

class QEventLoop;

class TForm : public QWidget {
    Q_OBJECT
public:
    using Placement = FormPlacement;

    // A window without a description. clientSize is the window's client size; a borderless
    // window's size equals it.
    TForm(const QString& name, QSize clientSize, Placement placement, QPoint fixedPosition = {});
    ~TForm() override;

    // What the window was built from, and the controls built, by name.
    const FormDescription& Description() const { return description_; }
    const FormControls& Controls() const { return controls_; }

    // Runs the show handler, places the window (the first time only) and puts it on screen.
    void Show();
    // Modal display: refuses a visible or disabled window with EInvalidOperation, returns when
    // the window is closed. The result is the modal result (2 = cancel).
    int ShowModal();
    // Ends the modal display, or, for the main window, asks the application to quit.
    void Close();
    // Closing this window ends the program (the main window's own constructor says so).
    void SetClosingEndsProgram() { closingEndsProgram_ = true; }
    // What closing such a window does instead (a kiosk returns to its start); empty: it ends
    // the program.
    void SetClosingInstead(std::function<void()> action) { closingInstead_ = std::move(action); }

    bool IsModal() const { return modalLoop_ != nullptr; }
    bool HasBeenPlaced() const { return placed_; }
    // Where the window goes the first time it is shown.
    QPoint FirstPlacement() const;

protected:
    // A window of the class formClass (a TFormN's staticMetaObject): loads the description of
    // that class name, sizes and places the window by it and builds its controls, their events
    // bound to handlers. factories make the controls of classes the builder does not know.
    TForm(const QMetaObject& formClass, const FormHandlers& handlers,
          const ControlFactories& factories = {});

    // The show handler: runs before the window is placed and put on screen.
    virtual void FormShow() {}
    // The close handler: runs when the window closes, whatever the cause.
    virtual void FormClose() {}

    void closeEvent(QCloseEvent* event) override;

private:
    TForm(FormDescription description, const FormHandlers& handlers,
          const ControlFactories& factories);

    void PlaceOnFirstShow();

    FormDescription description_;
    FormControls controls_;

    Placement placement_;
    QPoint fixedPosition_;
    bool placed_ = false;
    bool closingEndsProgram_ = false;
    std::function<void()> closingInstead_;
    int modalResult_ = 0;
    QEventLoop* modalLoop_ = nullptr;
};

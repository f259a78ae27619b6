#pragma once
// The window shown while a page is built and sent: "Printing progress", a progress bar and a
// "Cancel" button. Cancel is honoured until the page starts going to the printer; from then
// on the job can no longer be held back, and the button is disabled.

#include <QWidget>

class QProgressBar;
class QPushButton;

class PrintProgress : public QWidget {
    Q_OBJECT
public:
    PrintProgress();

    // Shows the step reached (0 to 100) and lets the window take its events, so a click on
    // Cancel lands; returns false once Cancel has been clicked.
    bool Step(int percent);
    bool CancelRequested() const { return cancelRequested_; }
    // Past this point the job goes out whole.
    void DisallowCancel();

    QPushButton* CancelButton() const { return cancel_; }
    QProgressBar* Bar() const { return bar_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QProgressBar* bar_;
    QPushButton* cancel_;
    bool cancelRequested_ = false;
};

#pragma once
// The return to the start on a kiosk: after a pause with no key, click or touch in any of the
// program's windows, everything open over the main window is let go, a changed catalogue is
// read again, the main window goes back to the state start-up leaves it in, and the splash
// and the introduction greet the next visitor. Nothing happens when that is where things
// already are. The main window's close cross asks for the same return at once.

#include "kiosk/cataloguewatch.h"
#include "mainwindow/window.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

class TForm;
class TForm1;

class IdleReturn : public QObject {
public:
    // find: the window set's window of a number.
    IdleReturn(int idleSeconds, std::function<TForm*(Window)> find, QObject* parent = nullptr);
    ~IdleReturn() override;

    // The return, now; also when the start is already shown (the close cross).
    void ReturnNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Pause();
    void CheckFolder();
    void Begin();
    void Unwind();
    void ShowStart();
    bool Greeting() const;
    TForm1& Main() const;

    std::function<TForm*(Window)> find_;
    QTimer idle_;
    QTimer folderCheck_;
    std::unique_ptr<CatalogueWatch> catalogue_;
    // Read at the pause, put in place once everything open has closed.
    std::unique_ptr<Catalogue> newCatalogue_;
    bool returning_ = false;
    // Counts the greetings shown, so a greeting cut short by the next return stops there.
    unsigned greeting_ = 0;
};

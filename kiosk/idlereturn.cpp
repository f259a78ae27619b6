#include "kiosk/idlereturn.h"

#include "catalogue/catalogue.h"
#include "kiosk/windowsunwind.h"
#include "mainwindow/tform1.h"
#include "mainwindow/viewstate.h"
#include "shell/errorreport.h"
#include "skin/tform.h"
#include "windows/tform8.h"

#include <QApplication>
#include <QThread>
#include <sys/stat.h>

namespace {
constexpr int UnwindStepMs = 10;
constexpr int FolderCheckMs = 1000;

bool IsInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace

IdleReturn::IdleReturn(int idleSeconds, std::function<TForm*(Window)> find, QObject* parent)
    : QObject(parent), find_(std::move(find)) {
    idle_.setSingleShot(true);
    idle_.setInterval(idleSeconds * 1000);
    connect(&idle_, &QTimer::timeout, this, &IdleReturn::Pause);
    folderCheck_.setInterval(FolderCheckMs);
    connect(&folderCheck_, &QTimer::timeout, this, &IdleReturn::CheckFolder);
    qApp->installEventFilter(this);
    // The count starts once start-up has shown the main window (the catalogue is read then).
    find_(Window::Main)->installEventFilter(this);
}

IdleReturn::~IdleReturn() = default;

bool IdleReturn::Greeting() const {
    return find_(Window::Splash)->isVisible() || find_(Window::Introduction)->isVisible();
}

TForm1& IdleReturn::Main() const {
    return static_cast<TForm1&>(*find_(Window::Main));
}

bool IdleReturn::eventFilter(QObject* watched, QEvent* event) {
    if (IsInput(event->type())) {
        if (catalogue_)
            idle_.start();
    } else if (event->type() == QEvent::Show && watched == find_(Window::Main) && !catalogue_) {
        catalogue_ = std::make_unique<CatalogueWatch>(View().StartDirectory);
        idle_.start();
        folderCheck_.start();
    }
    return false;
}

void IdleReturn::Pause() {
    if (returning_)
        return;
    if (std::optional<Catalogue> changed = catalogue_->ReadIfChanged())
        newCatalogue_ = std::make_unique<Catalogue>(std::move(*changed));
    // Nothing open but the greeting, nothing moved: the next visitor already meets the start.
    const bool somethingOpen = QApplication::activeModalWidget() && !Greeting();
    if (!newCatalogue_ && !somethingOpen && !QApplication::activePopupWidget() &&
        Main().AtStart()) {
        idle_.start();
        return;
    }
    Begin();
}

void IdleReturn::CheckFolder() {
    // A folder replaced by a rename (vendral-make --force) is deleted at once: the pictures
    // the shown catalogue names are gone with it, so the new one cannot wait for the pause.
    struct stat folder {};
    if (returning_ || (stat(".", &folder) == 0 && folder.st_nlink > 0))
        return;
    if (std::optional<Catalogue> changed = catalogue_->ReadIfChanged()) {
        newCatalogue_ = std::make_unique<Catalogue>(std::move(*changed));
        Begin();
    }
}

void IdleReturn::ReturnNow() {
    if (!returning_)
        Begin();
}

void IdleReturn::Begin() {
    returning_ = true;
    idle_.stop();
    QTimer::singleShot(0, this, &IdleReturn::Unwind);
}

void IdleReturn::Unwind() {
    // Each window closed ends its modal loop; the handler that opened it then finishes
    // before control is back in the main loop, where the start is made.
    if (CloseTopWindow() || QThread::currentThread()->loopLevel() > 1) {
        QTimer::singleShot(UnwindStepMs, this, &IdleReturn::Unwind);
        return;
    }
    // The windows that were open may have looked at the old catalogue until they closed.
    if (newCatalogue_) {
        TheCatalogue() = std::move(*newCatalogue_);
        newCatalogue_.reset();
    }
    RunHandler([this] { Main().ReturnToStart(); });
    // A window a visitor dragged away reopens where it first appears.
    for (int number = static_cast<int>(Window::Main) + 1;; ++number) {
        TForm* form = find_(static_cast<Window>(number));
        if (!form)
            break;
        if (!form->isVisible() && form->HasBeenPlaced())
            form->move(form->FirstPlacement());
    }
    static_cast<TForm8*>(find_(Window::Introduction))->prevClick();
    returning_ = false;
    idle_.start();
    ShowStart();
}

void IdleReturn::ShowStart() {
    const unsigned greeting = ++greeting_;
    // Made before the main window, these lie below it in the X stack, and without a window
    // manager nobody raises a window as it is mapped.
    for (Window window : {Window::Splash, Window::Introduction}) {
        RunHandler([this, window] {
            find_(window)->raise();
            find_(window)->ShowModal();
        });
        if (returning_ || greeting != greeting_)
            return;
    }
}

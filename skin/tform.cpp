#include "skin/tform.h"

#include "core/errors.h"
#include "shell/applicationtitle.h"
#include "shell/errorreport.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

namespace {
constexpr int ModalResultCancel = 2;
}

TForm::TForm(const QString& name, QSize clientSize, Placement placement, QPoint fixedPosition)
    : QWidget(nullptr), placement_(placement), fixedPosition_(fixedPosition) {
    setObjectName(name);
    setWindowTitle(ApplicationTitle());
    resize(clientSize);
}

TForm::TForm(const QMetaObject& formClass, const FormHandlers& handlers,
             const ControlFactories& factories)
    : TForm(LoadFormDescription(QString::fromLatin1(formClass.className())), handlers, factories) {}

TForm::TForm(FormDescription description, const FormHandlers& handlers,
             const ControlFactories& factories)
    : TForm(description.className, description.clientSize, description.placement,
            description.position) {
    description_ = std::move(description);
    controls_ = BuildForm(*this, description_, handlers, factories);
}

TForm::~TForm() = default;

QPoint TForm::FirstPlacement() const {
    if (placement_ == Placement::Fixed)
        return fixedPosition_;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize(0, 0);
    // Integer division truncates toward zero; a window larger than the screen sticks to 0.
    const int left = std::max(0, (screenSize.width() - width()) / 2);
    const int top = std::max(0, (screenSize.height() - height()) / 2);
    return {left, top};
}

void TForm::PlaceOnFirstShow() {
    if (placed_)
        return;
    move(FirstPlacement());
    placed_ = true;
}

void TForm::Show() {
    RunHandler([this] { FormShow(); });
    PlaceOnFirstShow();
    show();
}

int TForm::ShowModal() {
    if (isVisible() || !isEnabled())
        throw EInvalidOperation("Cannot make a visible window modal");
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    QWidget* previouslyActive = QApplication::activeWindow();

    // Application-modal: every other window of the program takes no input meanwhile.
    setWindowModality(Qt::ApplicationModal);
    modalResult_ = 0;
    QEventLoop loop;
    modalLoop_ = &loop;
    Show();
    if (modalResult_ == 0)
        loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
    if (modalResult_ == 0) // the application was asked to quit
        modalResult_ = ModalResultCancel;
    hide();
    if (previouslyActive && previouslyActive->isVisible())
        previouslyActive->activateWindow();
    return modalResult_;
}

void TForm::Close() {
    RunHandler([this] { FormClose(); });
    if (modalLoop_) {
        modalResult_ = ModalResultCancel;
        modalLoop_->exit(0);
        return;
    }
    if (closingEndsProgram_ && closingInstead_) {
        closingInstead_();
        return;
    }
    if (closingEndsProgram_) {
        // Posted, so the handler that asked for it finishes first. exit, not quit: quit would
        // first ask every window to close, and the hidden ones refuse.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        return;
    }
    hide();
}

void TForm::closeEvent(QCloseEvent* event) {
    // A close from outside (the window manager) takes the same road as the painted buttons.
    event->ignore();
    if (isVisible())
        RunHandler([this] { Close(); });
}

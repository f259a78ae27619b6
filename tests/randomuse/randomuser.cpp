#include "tests/randomuse/randomuser.h"

#include "app/windowset.h"
#include "mainwindow/tform1.h"
#include "skin/tedit.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace {

// Kept inside the window: a picture widget may reach far beyond it.
QPoint Clamped(const QWidget& window, QPoint at) {
    return {std::clamp(at.x(), 0, window.width() - 1), std::clamp(at.y(), 0, window.height() - 1)};
}

// Key by key; a letter outside ASCII goes with its key code and its text.
void TypeInto(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(&widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }
}

} // namespace

void RandomUser::Start(int count, std::function<void(int)> onAction) {
    count_ = count;
    onAction_ = std::move(onAction);
    QTimer::singleShot(2, this, [this] { Next(); });
}

QWidget* RandomUser::TargetWindow() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    QWidget* main = Form(Window::Main);
    return main && main->isVisible() ? main : nullptr;
}

bool RandomUser::Finished() const {
    return done_ >= count_ && TargetWindow() == Form(Window::Main);
}

void RandomUser::Next() {
    if (Finished())
        return;
    // Queued first: an action that opens a modal window returns only when it closes.
    QTimer::singleShot(2, this, [this] { Next(); });
    if (QWidget* window = TargetWindow(); window && window->windowHandle())
        Act(*window);
    onAction_(++done_);
}

void RandomUser::Act(QWidget& window) {
    if (qobject_cast<QFileDialog*>(&window))
        return AnswerSaveDialog(window);
    QWindow* handle = window.windowHandle();
    const int choice = Pick(100);
    if (choice < 60) {
        // Half on a control (the buttons are invisible areas over painted faces, so a control
        // is where a user aims), half anywhere.
        QWidget* widget = &window;
        const QList<QWidget*> children = window.findChildren<QWidget*>();
        if (QWidget* child = children.isEmpty() ? nullptr : children[Pick(int(children.size()))];
            child && Pick(2) == 0 && child->isVisible() && !child->size().isEmpty())
            widget = child;
        const QPoint at = Clamped(
            window, widget->mapTo(&window, QPoint(Pick(widget->width()), Pick(widget->height()))));
        const Qt::MouseButton button = Pick(10) == 0 ? Qt::RightButton : Qt::LeftButton;
        if (Pick(8) == 0)
            QTest::mouseDClick(handle, button, {}, at);
        else
            QTest::mouseClick(handle, button, {}, at);
    } else if (choice < 80 || &window != Form(Window::Main)) {
        static const Qt::Key keys[] = {Qt::Key_Up,       Qt::Key_Down,      Qt::Key_PageUp,
                                       Qt::Key_PageDown, Qt::Key_Home,      Qt::Key_End,
                                       Qt::Key_Return,   Qt::Key_Escape,    Qt::Key_Tab,
                                       Qt::Key_Space,    Qt::Key_Backspace, Qt::Key_A};
        QTest::keyClick(handle, keys[Pick(std::size(keys))]);
    } else if (choice < 92) {
        // A search: into the box, then Return most of the time.
        TEdit& box = *static_cast<TForm1*>(Form(Window::Main))->Edit1;
        QTest::mouseClick(handle, Qt::LeftButton, {}, box.mapTo(&window, box.rect().center()));
        static const char* const words[] = {"a", "e", "szent", "XV", "1500", "kép", "zzz", ""};
        TypeInto(box, QString::fromUtf8(words[Pick(std::size(words))]));
        if (Pick(3) != 0)
            QTest::keyClick(handle, Qt::Key_Return);
    } else {
        // A drag on the window (the skinned ones move along).
        const QPoint from(Pick(window.width()), Pick(window.height()));
        const QPoint to = Clamped(window, from + QPoint(Pick(61) - 30, Pick(61) - 30));
        QTest::mousePress(handle, Qt::LeftButton, {}, from);
        QTest::mouseMove(handle, (from + to) / 2);
        QTest::mouseMove(handle, to);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
    }
}

void RandomUser::AnswerSaveDialog(QWidget& dialog) {
    auto& files = static_cast<QFileDialog&>(dialog);
    files.setDirectory(saveFolder_); // wherever it opened, it saves into the run's folder
    auto* name = files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!name || Pick(3) == 0)
        return QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape);
    name->setText(QStringLiteral("copy%1").arg(Pick(5)) + (Pick(2) ? ".jpg" : ""));
    QTest::keyClick(name, Qt::Key_Return);
}

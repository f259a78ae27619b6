#include "randomuser.h"

#include "tedit.h"
#include "tform1.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace {

constexpr int PauseMs = 2;

QWindow* HandleOf(QWidget& window) {
    return window.window()->windowHandle();
}

// A point of the widget in its window, kept inside the window (a picture widget may reach
// far beyond it).
QPoint InWindow(QWidget& window, QWidget& widget, QPoint local) {
    const QPoint at = widget.mapTo(window.window(), local);
    return {std::clamp(at.x(), 0, window.width() - 1), std::clamp(at.y(), 0, window.height() - 1)};
}

// Types the text key by key; a letter outside ASCII goes with its key code and its text.
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

RandomUser::RandomUser(unsigned seed, QString saveFolder)
    : random_(seed), saveFolder_(std::move(saveFolder)) {}

void RandomUser::Start(int count, std::function<void(int)> onAction) {
    count_ = count;
    onAction_ = std::move(onAction);
    QTimer::singleShot(PauseMs, this, [this] { Next(); });
}

QWidget* RandomUser::TargetWindow() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    QWidget* main = MainForm();
    return main && main->isVisible() ? main : nullptr;
}

bool RandomUser::Finished() const {
    return done_ >= count_ && TargetWindow() == MainForm();
}

void RandomUser::Next() {
    if (Finished())
        return;
    // Queued before acting: an action that opens a modal window returns only when it closes,
    // and the user goes on meanwhile.
    QTimer::singleShot(PauseMs, this, [this] { Next(); });
    Act();
    onAction_(++done_);
}

void RandomUser::Act() {
    QWidget* window = TargetWindow();
    if (!window || !HandleOf(*window))
        return;
    if (auto* dialog = qobject_cast<QFileDialog*>(window)) {
        AnswerSaveDialog(*dialog);
        return;
    }
    const int choice = Pick(100);
    if (choice < 60)
        ClickSomewhere(*window);
    else if (choice < 80)
        PressKey(*window);
    else if (choice < 92)
        TypeSearch(*window);
    else
        Drag(*window);
}

void RandomUser::ClickSomewhere(QWidget& window) {
    // Half the clicks on a visible control (buttons are invisible areas over painted faces,
    // so a control is where a user aims), half anywhere on the window.
    QWidget* widget = &window;
    const QList<QWidget*> children = window.findChildren<QWidget*>();
    if (!children.isEmpty() && Pick(2) == 0) {
        QWidget* child = children[Pick(int(children.size()))];
        if (child->isVisible() && child->width() > 0 && child->height() > 0)
            widget = child;
    }
    const QPoint local(Pick(std::max(1, widget->width())), Pick(std::max(1, widget->height())));
    const Qt::MouseButton button = Pick(10) == 0 ? Qt::RightButton : Qt::LeftButton;
    if (Pick(8) == 0)
        QTest::mouseDClick(HandleOf(window), button, {}, InWindow(window, *widget, local));
    else
        QTest::mouseClick(HandleOf(window), button, {}, InWindow(window, *widget, local));
}

void RandomUser::PressKey(QWidget& window) {
    static const Qt::Key keys[] = {Qt::Key_Up,   Qt::Key_Down,  Qt::Key_PageUp,    Qt::Key_PageDown,
                                   Qt::Key_Home, Qt::Key_End,   Qt::Key_Return,    Qt::Key_Escape,
                                   Qt::Key_Tab,  Qt::Key_Space, Qt::Key_Backspace, Qt::Key_A};
    QTest::keyClick(HandleOf(window), keys[Pick(std::size(keys))]);
}

void RandomUser::TypeSearch(QWidget& window) {
    // Into the search box when the main window is the one in front, else keys at random.
    TForm1* main = MainForm();
    if (&window != main || !main->Edit1->isVisible()) {
        PressKey(window);
        return;
    }
    QTest::mouseClick(HandleOf(window), Qt::LeftButton, {},
                      InWindow(window, *main->Edit1, main->Edit1->rect().center()));
    static const char* const words[] = {"a", "e", "szent", "XV", "1500", "kép", "zzz", ""};
    TypeInto(*main->Edit1, QString::fromUtf8(words[Pick(std::size(words))]));
    if (Pick(3) != 0)
        QTest::keyClick(HandleOf(window), Qt::Key_Return);
}

void RandomUser::Drag(QWidget& window) {
    const QPoint from(Pick(std::max(1, window.width())), Pick(std::max(1, window.height())));
    const QPoint to(std::clamp(from.x() + Pick(61) - 30, 0, window.width() - 1),
                    std::clamp(from.y() + Pick(61) - 30, 0, window.height() - 1));
    QTest::mousePress(HandleOf(window), Qt::LeftButton, {}, from);
    QTest::mouseMove(HandleOf(window), (from + to) / 2);
    QTest::mouseMove(HandleOf(window), to);
    QTest::mouseRelease(HandleOf(window), Qt::LeftButton, {}, to);
}

void RandomUser::AnswerSaveDialog(QWidget& dialog) {
    auto& files = static_cast<QFileDialog&>(dialog);
    // Wherever the dialog opened, it saves into the folder of the run.
    files.setDirectory(saveFolder_);
    auto* name = files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!name || Pick(3) == 0) {
        QTest::keyClick(HandleOf(dialog), Qt::Key_Escape);
        return;
    }
    name->setText(QStringLiteral("copy%1").arg(Pick(5)));
    if (Pick(2) == 0)
        name->setText(name->text() + QStringLiteral(".jpg"));
    QTest::keyClick(name, Qt::Key_Return);
}

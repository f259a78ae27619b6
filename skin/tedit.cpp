#include "skin/tedit.h"

#include "shell/errorreport.h"

#include <QKeyEvent>

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setFocusPolicy(Qt::StrongFocus);
}

void TEdit::keyPressEvent(QKeyEvent* event) {
    // Nothing may unwind through the toolkit's event delivery: it would leak its bookkeeping.
    RunHandler([&] { TypeKey(event); });
}

void TEdit::TypeKey(QKeyEvent* event) {
    const QString typed = event->text();
    if (!OnKeyPress || typed.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QString passed;
    for (QChar character : typed) {
        QChar key = character;
        RunHandler([&] { OnKeyPress(key); });
        if (!key.isNull())
            passed.append(key);
    }
    if (passed == typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (passed.isEmpty())
        return;
    // Rewritten characters reach the box as typed text of their own.
    QKeyEvent rewritten(QEvent::KeyPress, 0, event->modifiers(), passed, event->isAutoRepeat());
    QLineEdit::keyPressEvent(&rewritten);
}

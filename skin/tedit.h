#pragma once
// The search field: a borderless one-line edit box. OnKeyPress sees every typed character
// (Enter as 13, Backspace as 8, Escape as 27) before the box does.

#include <QChar>
#include <QLineEdit>
#include <functional>

class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent = nullptr);

    // The character still reaches the box afterwards; a handler may change it, or set it to 0
    // to keep it from the box.
    std::function<void(QChar& key)> OnKeyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void TypeKey(QKeyEvent* event);
};

#pragma once
// A plain push button that can take the keyboard focus. It has no action of its own.

#include <QPushButton>

class TButton : public QPushButton {
    Q_OBJECT
public:
    explicit TButton(QWidget* parent = nullptr);
};

#pragma once
// A one-line caption drawn by the program itself: it never wraps, grows to its text when
// autoSize is on, lets the window show through when transparent, and follows the ampersand
// rule ("&x" draws x underlined, "&&" draws "&").

#include <QWidget>

class TLabel : public QWidget {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // The text as drawn, without the ampersands the rule removes.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void Paint();
    void changeEvent(QEvent* event) override;

private:
    void FitToText();

    QString caption_;
    bool autoSize_ = true;
    bool transparent_ = false;
};

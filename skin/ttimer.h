#pragma once
// A repeating timer of a window; OnTimer runs on the GUI thread at each tick.

#include <QObject>
#include <QTimer>
#include <functional>

class TTimer : public QObject {
    Q_OBJECT
public:
    explicit TTimer(QObject* parent = nullptr);

    std::function<void()> OnTimer;

    int Interval() const { return timer_.interval(); }
    void SetInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

private:
    void Restart();

    QTimer timer_;
    bool enabled_ = true;
};

#pragma once
// A user who clicks anywhere on the program's windows, presses keys, types into the search
// box and drags, at random from a fixed seed, through the window system's own input path
// (QTest's window events, as the platform delivers them). Each action is queued from the
// event loop before the previous one runs, so the user goes on inside modal windows, message
// boxes and the save dialog as a person would. The save dialog is only ever pointed at the
// given folder and answered by a typed name or a cancel, so nothing is written elsewhere.

#include <QObject>
#include <QString>
#include <QWidget>
#include <atomic>
#include <functional>
#include <random>

class RandomUser : public QObject {
public:
    RandomUser(unsigned seed, QString saveFolder);

    // Performs `count` actions, and more until no modal window is up, then stops; onAction
    // runs after each, with its number.
    void Start(int count, std::function<void(int)> onAction);
    bool Finished() const;
    // Actions done so far; read by the watchdog thread.
    const std::atomic<int>& Done() const { return done_; }
    // The window the next action goes to: the innermost modal one, or the main window.
    static QWidget* TargetWindow();

private:
    void Next();
    void Act();
    void ClickSomewhere(QWidget& window);
    void PressKey(QWidget& window);
    void TypeSearch(QWidget& window);
    void Drag(QWidget& window);
    void AnswerSaveDialog(QWidget& dialog);
    int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

    std::mt19937 random_;
    QString saveFolder_;
    int count_ = 0;
    std::atomic<int> done_{0};
    std::function<void(int)> onAction_;
};

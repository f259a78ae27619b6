#pragma once
// A user who clicks anywhere on the program's windows, presses keys, types into the search box
// and drags, at random from a fixed seed, through the window system's input path (QTest's
// window events, as the platform delivers them). Each action is queued before the previous one
// runs, so the user goes on inside modal windows and message boxes as a person would. The save
// dialog is pointed at the given folder and answered by a typed name or Escape only.

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <random>

class QWidget;

class RandomUser : public QObject {
public:
    RandomUser(unsigned seed, QString saveFolder) : random_(seed), saveFolder_(saveFolder) {}

    // Acts `count` times, then on until no modal window is up; onAction runs after each.
    void Start(int count, std::function<void(int done)> onAction);
    bool Finished() const;
    const std::atomic<int>& Done() const { return done_; } // read by a watchdog thread
    // Where the next action goes: the popup or innermost modal window, or the main window.
    static QWidget* TargetWindow();

private:
    void Next();
    void Act(QWidget& window);
    void AnswerSaveDialog(QWidget& dialog);
    int Pick(int below) {
        return below > 0 ? std::uniform_int_distribution<int>(0, below - 1)(random_) : 0;
    }

    std::mt19937 random_;
    QString saveFolder_;
    int count_ = 0;
    std::atomic<int> done_{0};
    std::function<void(int)> onAction_;
};

// Linked into a program to time its start: once the first window has painted, writes the
// monotonic clock (nanoseconds, the clock bench_startup read before starting the program) to
// standard output and ends the process at once. Installed as the application object is made,
// so the program's own main runs unchanged.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_ && watched->isWidgetType()) {
            seen_ = true;
            // The rest of the window paints in the same pass; the timer runs after it.
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("%lld\n",
                            static_cast<long long>(std::chrono::nanoseconds(now).count()));
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

void InstallFirstPaint() {
    static FirstPaint probe;
    QCoreApplication::instance()->installEventFilter(&probe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaint)

// The yardstick for the start-up time: the least a Qt widgets program does to put one window on
// the screen and paint it.

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {
class Window : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::darkCyan); }
};
} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Window window;
    window.resize(400, 300);
    window.show();
    return application.exec();
}

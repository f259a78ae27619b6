#pragma once
// A sideways swipe across the main window's thumbnail strip pages it, as the arrows do: a
// finger moving left shows the next pictures, moving right the previous ones. A press on the
// strip's background would otherwise start dragging the window, and a swipe that ends on a
// thumbnail would count as its click; the swipe takes both.

#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>
#include <vector>

class QWidget;

class StripSwipe : public QObject {
public:
    // controls: the strip's thumbnails and arrows; the strip is the area they span. page pages
    // it as the arrows do.
    StripSwipe(QWidget* window, std::vector<QWidget*> controls,
               std::function<void(bool forward)> page, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::vector<QWidget*> controls_;
    std::function<void(bool forward)> page_;
    QRect strip_;
    bool tracking_ = false;
    QPoint start_;
};

#include "skin/decodewatch.h"

#include "pictures/pictures.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace {

struct Waiting {
    QPointer<QWidget> widget;
    const TPicture* picture;
};

bool Drawable(const TPicture& picture) {
    return picture.Graphic() == nullptr || picture.Graphic()->DrawReady();
}

// Lives on the GUI thread; the decode workers reach it only through Notify, under the lock, so
// that none posts to it while it is being destroyed.
class DecodeWatch : public QObject {
public:
    DecodeWatch() {
        const std::lock_guard lock(Lock());
        Current() = this;
    }
    ~DecodeWatch() override {
        const std::lock_guard lock(Lock());
        Current() = nullptr;
    }

    void Add(QWidget* widget, const TPicture& picture) {
        const auto same = std::find_if(waiting_.begin(), waiting_.end(),
                                       [widget](const Waiting& w) { return w.widget == widget; });
        if (same != waiting_.end())
            same->picture = &picture;
        else
            waiting_.push_back({widget, &picture});
    }

    // On a decode worker, after any job.
    static void Notify() {
        const std::lock_guard lock(Lock());
        if (DecodeWatch* watch = Current())
            QMetaObject::invokeMethod(watch, &DecodeWatch::Look, Qt::QueuedConnection);
    }

private:
    static std::mutex& Lock() {
        static std::mutex lock;
        return lock;
    }
    static DecodeWatch*& Current() {
        static DecodeWatch* current = nullptr;
        return current;
    }

    void Look() {
        // Those still not ready go back on the list.
        std::vector<Waiting> now;
        now.swap(waiting_);
        for (Waiting& entry : now) {
            if (entry.widget.isNull())
                continue;
            if (Drawable(*entry.picture))
                entry.widget->update();
            else
                Add(entry.widget, *entry.picture);
        }
    }

    std::vector<Waiting> waiting_;
};

DecodeWatch& Watch() {
    // Goes with the application, before the decode pool's workers are joined at exit.
    static QPointer<DecodeWatch> watch;
    if (watch.isNull()) {
        watch = new DecodeWatch;
        watch->setParent(QCoreApplication::instance());
        SetDecodeFinishedHook(&DecodeWatch::Notify);
    }
    return *watch;
}

} // namespace

void RepaintWhenReady(QWidget* widget, const TPicture& picture) {
    if (Drawable(picture)) {
        widget->update();
        return;
    }
    Watch().Add(widget, picture);
}

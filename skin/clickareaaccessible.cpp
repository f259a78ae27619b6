#include "skin/clickareaaccessible.h"

#include "shell/errorreport.h"
#include "skin/timage.h"

#include <QAccessibleWidget>
#include <QApplication>

namespace {

class ClickArea : public QAccessibleWidget {
public:
    explicit ClickArea(TImage* image) : QAccessibleWidget(image) {}

    // Asked each time: the interface may be made before the window binds the click.
    QAccessible::Role role() const override {
        return Image().OnClick ? QAccessible::Button : QAccessibleWidget::role();
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (Image().OnClick)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& actionName) override {
        if (actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        // As for the pointer: nothing under a modal window, nothing on a disabled one.
        const QWidget* modal = QApplication::activeModalWidget();
        if (!Image().isEnabled() || (modal && modal != Image().window()) || !Image().OnClick)
            return;
        const std::function<void()> handler = Image().OnClick; // the handler may replace it
        RunHandler(handler);
    }

private:
    TImage& Image() const { return *static_cast<TImage*>(widget()); }
};

} // namespace

QAccessibleInterface* ClickAreaAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("TImage"))
        return nullptr;
    return new ClickArea(static_cast<TImage*>(object));
}

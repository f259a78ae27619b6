#include "shell/windowfocus.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cstring>
#include <vector>
#include <xcb/xcb.h>

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

// The window a WINDOW-typed property of `window` names, or none.
xcb_window_t WindowProperty(xcb_connection_t* connection, xcb_window_t window,
                            xcb_atom_t property) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_WINDOW, 0, 1),
        nullptr);
    xcb_window_t named = XCB_WINDOW_NONE;
    if (reply && reply->type == XCB_ATOM_WINDOW && reply->format == 32 &&
        xcb_get_property_value_length(reply) >= 4)
        named = *static_cast<xcb_window_t*>(xcb_get_property_value(reply));
    free(reply);
    return named;
}

bool ManageableWindow(const QWidget* widget) {
    const Qt::WindowType type = widget->windowType();
    return widget->isWindow() && (type == Qt::Window || type == Qt::Dialog) &&
           !widget->testAttribute(Qt::WA_ShowWithoutActivating) &&
           !widget->testAttribute(Qt::WA_DontShowOnScreen);
}

class FocusWithoutWindowManager : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::Hide && type != QEvent::WindowActivate)
            return false;
        if (!watched->isWidgetType() || !ManageableWindow(static_cast<QWidget*>(watched)))
            return false;
        auto* window = static_cast<QWidget*>(watched);
        if (type == QEvent::WindowActivate) {
            Remember(window);
        } else if (!WindowManagerRunning()) {
            // Queued: the window system must have mapped, or unmapped, the window first.
            if (type == QEvent::Show)
                QTimer::singleShot(0, window, [window] { Activate(window); });
            else
                QTimer::singleShot(0, this, [this] { ActivateTheOneBelow(); });
        }
        return false;
    }

private:
    static void Activate(QWidget* window) {
        if (window->isVisible() && !window->isActiveWindow())
            window->activateWindow();
    }

    void Remember(QWidget* window) {
        std::erase(activated_, window);
        activated_.emplace_back(window);
    }

    void ActivateTheOneBelow() {
        if (QWidget* active = QApplication::activeWindow(); active && active->isVisible())
            return;
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            Activate(modal);
            return;
        }
        std::erase_if(activated_, [](const QPointer<QWidget>& window) { return !window; });
        for (auto window = activated_.rbegin(); window != activated_.rend(); ++window) {
            if ((*window)->isVisible()) {
                Activate(*window);
                return;
            }
        }
    }

    // Windows in the order they last became active.
    std::vector<QPointer<QWidget>> activated_;
};

} // namespace

bool WindowManagerRunning() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return true; // other platforms hand out the focus themselves
    xcb_connection_t* connection = x11->connection();
    const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
    if (check == XCB_ATOM_NONE)
        return false;
    for (auto screen = xcb_setup_roots_iterator(xcb_get_setup(connection)); screen.rem;
         xcb_screen_next(&screen)) {
        // A window manager names a window of its own that names itself; a stale value left by
        // one that has gone names a window that no longer does.
        const xcb_window_t named = WindowProperty(connection, screen.data->root, check);
        if (named != XCB_WINDOW_NONE && WindowProperty(connection, named, check) == named)
            return true;
    }
    return false;
}

void InstallFocusWithoutWindowManager(QApplication& application) {
    application.installEventFilter(new FocusWithoutWindowManager(&application));
}

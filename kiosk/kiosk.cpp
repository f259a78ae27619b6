#include "kiosk/kiosk.h"

#include "app/application.h"
#include "app/tform.h"
#include "app/windowtable.h"
#include "kiosk/heartbeat.h"
#include "kiosk/idlereturn.h"
#include "kiosk/scalechoice.h"
#include "kiosk/screensize.h"
#include "kiosk/stripswipe.h"
#include "mainwindow/savefolders.h"
#include "mainwindow/tform1.h"
#include "pictures/pictures.h"
#include "skin/skin.h"

#include <QApplication>
#include <cstdio>

namespace {
// What each window covers at scale 1: a window placed at a fixed point reaches from the
// screen's corner; the print page's holder is never shown.
std::vector<WindowExtent> ShownWindowExtents() {
    std::vector<WindowExtent> extents;
    for (const WindowEntry& entry : WindowTable()) {
        if (entry.window == Window::PrintPage)
            continue;
        const FormDescription form = LoadFormDescription(QString::fromLatin1(entry.className));
        QPoint corner;
        if (form.placement == FormPlacement::Fixed)
            corner = form.position;
        extents.push_back(
            {corner.x() + form.clientSize.width(), corner.y() + form.clientSize.height()});
    }
    return extents;
}

void ChooseScale(const CommandLine& commandLine) {
    double factor = 1;
    if (commandLine.scale) {
        factor = *commandLine.scale;
    } else if (!qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        return; // the session's own choice
    } else if (const auto screen = XScreenSize()) {
        factor = FittingScale(screen->first, screen->second, ShownWindowExtents());
    } else {
        return;
    }
    // Only this factor: a screen's own dots-per-inch setting would multiply it.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
}
} // namespace

std::unique_ptr<HangGuard> PrepareKiosk(const CommandLine& commandLine) {
    ChooseScale(commandLine);
    if (Heartbeat::ServiceWatchdog())
        return nullptr;
    return HangGuard::Start(commandLine.hangLimitSeconds);
}

Kiosk::Kiosk(const CommandLine& commandLine, std::unique_ptr<HangGuard> guard)
    : heartbeat_(new Heartbeat(std::move(guard), this)),
      idleReturn_(new IdleReturn(commandLine.idleSeconds, this)) {
    ReleaseScreenQuery();
    heartbeat_->ReadyWhenPainted(Form(Window::Splash));
    SetMainWindowCloseAction([this] { idleReturn_->ReturnNow(); });

    SavePolicy& policy = TheSavePolicy();
    policy.lockedDown = true;
    policy.disabled = commandLine.noSave;
    policy.folders = commandLine.saveFolders;

    if (commandLine.touch) {
        QGuiApplication::setOverrideCursor(Qt::BlankCursor);
        TForm1& form = *MainForm();
        std::vector<QWidget*> strip{form.Image5, form.Image6};
        strip.insert(strip.end(), form.imageprev.begin(), form.imageprev.end());
        qApp->installEventFilter(new StripSwipe(&form, strip, this));
    }
}

Kiosk::~Kiosk() {
    SetMainWindowCloseAction({});
}

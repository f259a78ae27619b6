#include "kiosk/kiosk.h"

#include "kiosk/heartbeat.h"
#include "kiosk/idlereturn.h"
#include "kiosk/scalechoice.h"
#include "kiosk/screensize.h"
#include "kiosk/stripswipe.h"
#include "mainwindow/savefolders.h"
#include "mainwindow/tform1.h"
#include "skin/skin.h"

#include <QApplication>
#include <cstdio>

namespace {
// What each window covers at scale 1: a window placed at a fixed point reaches from the
// screen's corner; the print page's holder is never shown.
std::vector<WindowExtent> ShownWindowExtents(const std::vector<KioskWindow>& windows) {
    std::vector<WindowExtent> extents;
    for (const KioskWindow& window : windows) {
        if (window.window == Window::PrintPage)
            continue;
        const FormDescription form = LoadFormDescription(QString::fromLatin1(window.className));
        QPoint corner;
        if (form.placement == FormPlacement::Fixed)
            corner = form.position;
        extents.push_back(
            {corner.x() + form.clientSize.width(), corner.y() + form.clientSize.height()});
    }
    return extents;
}

void ChooseScale(const CommandLine& commandLine, const std::vector<KioskWindow>& windows) {
    double factor = 1;
    if (commandLine.scale) {
        factor = *commandLine.scale;
    } else if (!qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        return; // the session's own choice
    } else if (const auto screen = XScreenSize()) {
        factor = FittingScale(screen->first, screen->second, ShownWindowExtents(windows));
    } else {
        return;
    }
    // Only this factor: a screen's own dots-per-inch setting would multiply it.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
}
} // namespace

std::unique_ptr<HangGuard> PrepareKiosk(const CommandLine& commandLine,
                                        const std::vector<KioskWindow>& windows) {
    ChooseScale(commandLine, windows);
    if (Heartbeat::ServiceWatchdog())
        return nullptr;
    return HangGuard::Start(commandLine.hangLimitSeconds);
}

Kiosk::Kiosk(const CommandLine& commandLine, std::unique_ptr<HangGuard> guard,
             std::function<TForm*(Window)> find)
    : heartbeat_(new Heartbeat(std::move(guard), this)),
      idleReturn_(new IdleReturn(commandLine.idleSeconds, find, this)), main_(find(Window::Main)) {
    ReleaseScreenQuery();
    heartbeat_->ReadyWhenPainted(find(Window::Splash));
    main_->SetClosingInstead([this] { idleReturn_->ReturnNow(); });

    SavePolicy& policy = TheSavePolicy();
    policy.lockedDown = true;
    policy.disabled = commandLine.noSave;
    policy.folders = commandLine.saveFolders;

    if (commandLine.touch) {
        QGuiApplication::setOverrideCursor(Qt::BlankCursor);
        auto& form = static_cast<TForm1&>(*main_);
        std::vector<QWidget*> strip{form.Image5, form.Image6};
        strip.insert(strip.end(), form.imageprev.begin(), form.imageprev.end());
        qApp->installEventFilter(new StripSwipe(
            &form, strip, [&form](bool forward) { form.PageStrip(forward); }, this));
    }
}

Kiosk::~Kiosk() {
    main_->SetClosingInstead({});
}

#include "shell/application.h"

#include "shell/errorreport.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace {
constexpr int TooltipDelayMs = 500;
constexpr int TooltipDisplayMs = 2500;

class TooltipStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return TooltipDelayMs;
        if (hint == SH_ToolTip_FallAsleepDelay)
            return TooltipDisplayMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Shows a widget's tooltip for the fixed display time instead of Qt's text-length rule.
class TooltipTimer : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->toolTip().isEmpty())
            return false;
        auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, widget->rect(),
                           TooltipDisplayMs);
        return true;
    }
};
} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
#if defined(__GLIBC__)
    // Pictures come and go in blocks of megabytes on several threads. By default the C library
    // raises its threshold for mapping a block on its own (up to 32 MB) whenever such a block is
    // freed, and keeps later ones in per-thread heaps it rarely gives back. Fixed at 8 MB, a
    // photograph's file bytes (a few MB) still come from the heap, where the next file's often
    // take the freed ones' pages, while bitmaps and large files go back to the system as soon
    // as they are freed (a tenth less resident memory after a few large photographs). The heap
    // is still trimmed at the default 128 KB: keeping more (8 MB) saved some page faults but
    // raised the peak with decoding ahead by 10 MB.
    mallopt(M_MMAP_THRESHOLD, 8 << 20);
#endif
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ErrorReport(std::current_exception());
        return true;
    }
}

void InstallTooltipTiming(QApplication& application) {
    application.setStyle(new TooltipStyle);
    application.installEventFilter(new TooltipTimer(&application));
}

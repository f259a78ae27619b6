#include "app/application.h"

#include "app/errorreport.h"

#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>
#include <cctype>
#include <vector>

namespace {
constexpr int TooltipDelayMs = 500;
constexpr int TooltipDisplayMs = 2500;

QString& Title() {
    static QString title;
    return title;
}

// By window number; as long as the highest number registered.
std::vector<TForm*>& Forms() {
    static std::vector<TForm*> forms;
    return forms;
}

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

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ErrorReport(std::current_exception());
        return true;
    }
}

std::string TitleFromProgramPath(std::string_view path) {
    // The backslash is the rule's separator; this platform's own separator counts too.
    const auto lastSeparator = path.find_last_of("\\/");
    std::string_view name =
        lastSeparator == std::string_view::npos ? path : path.substr(lastSeparator + 1);
    name = name.substr(0, name.find('.'));
    std::string title(name);
    for (std::size_t i = 1; i < title.size(); ++i)
        title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
    return title;
}

QString ApplicationTitle() {
    return Title();
}

void SetApplicationTitle(const QString& title) {
    Title() = title;
    QGuiApplication::setApplicationDisplayName(title);
}

void InstallTooltipTiming(QApplication& application) {
    application.setStyle(new TooltipStyle);
    application.installEventFilter(new TooltipTimer(&application));
}

namespace {
std::function<void()>& CloseAction() {
    static std::function<void()> action;
    return action;
}
} // namespace

void SetMainWindowCloseAction(std::function<void()> action) {
    CloseAction() = std::move(action);
}

const std::function<void()>& MainWindowCloseAction() {
    return CloseAction();
}

TForm* Form(Window window) {
    const auto number = static_cast<std::size_t>(window);
    return number < Forms().size() ? Forms()[number] : nullptr;
}

void RegisterForm(Window window, TForm* form) {
    const auto number = static_cast<std::size_t>(window);
    if (number >= Forms().size())
        Forms().resize(number + 1, nullptr);
    Forms()[number] = form;
}

#include "shell/applicationtitle.h"

#include <QGuiApplication>
#include <cctype>

namespace {
QString& Title() {
    static QString title;
    return title;
}
} // namespace

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

// The window descriptions: any text is read as a description or refused with the program's own
// error, and a description that reads builds its controls or is refused the same way.

#include "core/errors.h"
#include "skin/formbuilder.h"
#include "skin/formdescription.h"

#include <QApplication>
#include <QWidget>

#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FormDescription description;
    try {
        description = ReadFormDescription(
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const Exception&) {
        return 0;
    }
    // A handler of the right kind for every event the description names.
    FormHandlers handlers;
    for (const ControlDescription& control : description.controls) {
        for (const auto& [event, handler] : control.events) {
            if (event == QLatin1String("OnKeyDown"))
                handlers.emplace(handler, KeyDownHandler([](int&, Qt::KeyboardModifiers) {}));
            else if (event == QLatin1String("OnKeyPress"))
                handlers.emplace(handler, KeyPressHandler([](QChar&) {}));
            else
                handlers.emplace(handler, NotifyHandler([] {}));
        }
    }
    auto form = std::make_unique<QWidget>();
    try {
        BuildForm(*form, description, handlers);
    } catch (const Exception&) {
    }
    return 0;
}

#include "tools/artwork/layout.h"

#include "skin/skin.h"

#include <stdexcept>

QRect ControlBox(const char* formClass, const char* control) {
    for (const ControlDescription& described : LoadFormDescription(formClass).controls) {
        if (described.name == QLatin1String(control))
            return described.bounds;
    }
    throw std::runtime_error(std::string("no control ") + control + " in " + formClass);
}

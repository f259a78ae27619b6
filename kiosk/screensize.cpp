#include "kiosk/screensize.h"

#include <xcb/xcb.h>

namespace {
xcb_connection_t* query = nullptr;
} // namespace

std::optional<std::pair<int, int>> XScreenSize() {
    int screenNumber = 0;
    ReleaseScreenQuery();
    query = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(query))
        return std::nullopt;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(query));
    for (int i = 0; screens.rem && i < screenNumber; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return std::nullopt;
    return std::pair<int, int>(screens.data->width_in_pixels, screens.data->height_in_pixels);
}

void ReleaseScreenQuery() {
    if (query)
        xcb_disconnect(query);
    query = nullptr;
}

#include "kiosk/screensize.h"

#include <xcb/xcb.h>

std::optional<std::pair<int, int>> XScreenSize() {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    std::optional<std::pair<int, int>> size;
    if (!xcb_connection_has_error(connection)) {
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int i = 0; screens.rem && i < screenNumber; ++i)
            xcb_screen_next(&screens);
        if (screens.rem)
            size =
                std::pair<int, int>(screens.data->width_in_pixels, screens.data->height_in_pixels);
    }
    xcb_disconnect(connection);
    return size;
}

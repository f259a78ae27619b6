#include "pictures/screenprofile.h"

#include "colour/colour.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {

// Display profiles are a few kilobytes, a few hundred with large tables; anything past this is
// not one.
constexpr std::uint32_t MaxProfileBytes = 16 * 1024 * 1024;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

xcb_atom_t ProfileAtom(xcb_connection_t* connection) {
    static const char Name[] = "_ICC_PROFILE";
    const std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof Name - 1, Name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace

std::vector<std::uint8_t> ReadScreenProfile() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (connection == nullptr)
        return {};
    const xcb_atom_t atom = ProfileAtom(connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (atom == XCB_ATOM_NONE || screen == nullptr)
        return {};
    // Screens past the first carry _ICC_PROFILE_1 and so on; the viewer's windows are on the
    // first.
    const std::unique_ptr<xcb_get_property_reply_t, FreeReply> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, screen->root, atom,
                                                XCB_GET_PROPERTY_TYPE_ANY, 0, MaxProfileBytes / 4),
                               nullptr));
    if (!reply || reply->format != 8)
        return {};
    const auto* bytes = static_cast<const std::uint8_t*>(xcb_get_property_value(reply.get()));
    return std::vector<std::uint8_t>(bytes, bytes + xcb_get_property_value_length(reply.get()));
}

bool UseScreenProfile() {
    static const bool inUse = SetScreenProfile(ReadScreenProfile());
    return inUse;
}

#pragma once
// The X screen's size, asked before the toolkit connects: the scale factor must be set before
// the application object exists. nullopt without an X server (or on a Wayland-only session).
//
// The connection stays open until ReleaseScreenQuery: an X server started without -noreset
// (as xinit starts it) resets when its last client leaves, and refuses the toolkit's
// connection coming a moment later.

#include <optional>
#include <utility>

std::optional<std::pair<int, int>> XScreenSize();
// Once the toolkit has its own connection.
void ReleaseScreenQuery();

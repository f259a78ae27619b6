#pragma once
// The X screen's size, asked before the toolkit connects: the scale factor must be set before
// the application object exists. nullopt without an X server (or on a Wayland-only session).

#include <optional>
#include <utility>

std::optional<std::pair<int, int>> XScreenSize();

#pragma once
// The windowing platform on a Wayland desktop. The fixed screen positions, reopening where a
// window was left and the window shapes need X11, so a Wayland session runs the program
// through XWayland (Qt's xcb platform), falling back to Wayland itself where no XWayland
// runs. A platform the user names in QT_QPA_PLATFORM is left as it is. Runs before the
// application object is created.
void PreferX11OnWayland();

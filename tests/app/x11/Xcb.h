#pragma once
// What the window-manager tests read from the X server, over Qt's own
// connection: atoms, window properties, the root window, where frames are,
// the activation requests a pager or a click sends, and pictures of the
// screen.
#include <xcb/xcb.h>

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

namespace x11test {

xcb_connection_t* Connection();
xcb_window_t Root();
xcb_atom_t Atom(const char* name);
std::string AtomName(xcb_atom_t atom);

// The 32-bit values of a property of the window; empty when it has none.
std::vector<std::uint32_t> Property(xcb_window_t window, const char* name, xcb_atom_t type);
std::vector<std::uint32_t> Property(QWidget* w, const char* name, xcb_atom_t type);

// Where the X server has the window's frame (the window manager's window
// around it; the window itself while it has none) and the window's inside,
// in root coordinates, as they are now rather than as the toolkit believes.
QRect FrameOnScreen(QWidget* w);
QPoint ClientOnScreen(QWidget* w);

// Asks the window manager to activate (raise and focus) the window, as a
// click into it or a pager does.
void Activate(QWidget* w);

// With TARVIK_SCREENSHOT_DIR naming a folder, saves the whole screen there
// as <name>-<width>x<height>.png, frames and stacking included.
void ScreenShot(const std::string& name);

}  // namespace x11test

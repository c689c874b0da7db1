#pragma once
// Showing a window that must be on the screen at once: a busy message before
// work that blocks the GUI thread, which would otherwise leave an empty box
// until the work is done.
class QWidget;

namespace platform {

// Shows the top-level `window`, waits until the window system has exposed it
// (at most `limitMs`, user input stays queued meanwhile) and paints it.
void ShowPainted(QWidget* window, int limitMs = 1000);

// Waits until the shown top-level `window` is exposed, at most `limitMs`.
// From then on the window manager's frame around it is known.
void WaitUntilExposed(QWidget* window, int limitMs = 1000);

}  // namespace platform

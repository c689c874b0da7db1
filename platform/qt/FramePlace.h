#pragma once
// The place of a top-level window's frame, the window manager's border and
// title bar around it, which is what the program keeps and restores. The
// toolkit's own copy of the frame's margins can still be that of the
// unframed window when the window manager framed it without moving it, and
// a place read or given through that copy is one title bar off; these ask
// the window system for the margins each time.
#include <QPoint>
#include <QRect>

class QWidget;

namespace platform {

// The frame of the top-level `window` (its own rectangle while it has none).
QRect FrameGeometry(const QWidget* window);

// Puts the frame of the top-level `window` at `place`. Before the window
// has had a frame the toolkit takes the place as the frame's when it makes
// its window; so a window to be shown is moved before it is shown.
void MoveFrameTo(QWidget* window, const QPoint& place);

}  // namespace platform

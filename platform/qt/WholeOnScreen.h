#pragma once
// A window that grows while it is shown (a setting form that widens to the
// panels the operator picks) keeps its left and top edge, so it can grow
// past the right or bottom edge of its screen, with buttons nobody can
// reach. A window marked here is moved back whole onto the usable part of
// its screen (without the desktop's panels) whenever it changes its size
// while shown.
#include <QPoint>
#include <QRect>

class QWidget;

namespace platform {

// Where the top-left corner of `frame` goes for the frame to lie whole on
// `area`, moved no further than it needs; a frame wider (taller) than the
// area starts at the area's left (top) edge.
QPoint WholeOnArea(const QRect& frame, const QRect& area);

// Keeps the top-level `window` whole on its screen's available area, frame
// included, each time it grows while it is shown: the window is moved once
// the step that grew it has returned to the event loop.
void KeepWholeOnScreen(QWidget* window);

}  // namespace platform

#pragma once
// The sizing of the painter and the font chooser, which the user resizes by
// dragging their bottom bar: the size stays within the work area (and the
// window's maximum) and at least the window's minimum; a double click on
// the bar fills the work area, the next one gives the size back.
#include <QRect>
#include <QSize>

class QWidget;

namespace editor::ui {

// `proposed` held to [minimum, the window's maximum within its screen's
// work area].
QSize LimitWindowSize(const QWidget* window, QSize minimum, QSize proposed);

// Fills the work area with the window's frame, remembering its place in
// `restoreBounds`; when the frame already fills it, goes back there.
void ToggleWorkArea(QWidget* window, QRect& restoreBounds);

}  // namespace editor::ui

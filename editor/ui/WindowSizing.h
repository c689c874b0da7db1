#pragma once
// The sizing of the painter and the font chooser, which the user resizes by
// dragging their bottom bar: the size stays within the work area (and the
// window's maximum) and at least the window's minimum; a double click on
// the bar fills the work area, the next one gives the size back.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace editor::ui {

// `proposed` held to [minimum, the window's maximum within its screen's
// work area].
QSize LimitWindowSize(const QWidget* window, QSize minimum, QSize proposed);

// On showing: the window's maximum becomes its screen's work area (at least
// `minimum`) and its size is held within the limits.
void FitToWorkArea(QWidget* window, QSize minimum);

// Fills the work area with the window's frame, remembering its place in
// `restoreBounds`; when the frame already fills it, goes back there.
void ToggleWorkArea(QWidget* window, QRect& restoreBounds);

// A drag on the bottom bar: the window's size grows and shrinks with the
// pointer's way from where the drag started.
class BarDrag {
 public:
  // Remembers the start and shows the sizing cursor.
  void Start(QWidget* window, QPoint globalPosition);
  // The size the pointer at `globalPosition` asks for, before the limits.
  QSize SizeAt(QPoint globalPosition) const;
  // Gives the window its cursor back.
  static void Stop(QWidget* window);

 private:
  QPoint start_;
  QSize startSize_;
};

}  // namespace editor::ui

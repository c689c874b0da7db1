#include "editor/ui/WindowSizing.h"

#include <QMargins>
#include <QScreen>
#include <QWidget>

namespace editor::ui {

QSize LimitWindowSize(const QWidget* window, QSize minimum, QSize proposed) {
  QSize most = window->maximumSize();
  if (QScreen* s = window->screen()) most = most.boundedTo(s->availableGeometry().size());
  return proposed.expandedTo(minimum).boundedTo(most.expandedTo(minimum));
}

void FitToWorkArea(QWidget* window, QSize minimum) {
  QScreen* s = window->screen();
  if (!s) return;
  window->setMaximumSize(s->availableGeometry().size().expandedTo(minimum));
  window->resize(LimitWindowSize(window, minimum, window->size()));
}

void ToggleWorkArea(QWidget* window, QRect& restoreBounds) {
  QScreen* s = window->screen();
  if (!s) return;
  const QRect area = s->availableGeometry();
  const QRect frame = window->frameGeometry();
  if (frame == area) {
    if (restoreBounds.isValid()) window->setGeometry(restoreBounds);
    return;
  }
  restoreBounds = window->geometry();
  // The frame covers the work area: the client area is the work area less
  // the frame's margins.
  const QRect client = window->geometry();
  const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                         frame.bottom() - client.bottom());
  window->setGeometry(area.marginsRemoved(margins));
}

void BarDrag::Start(QWidget* window, QPoint globalPosition) {
  start_ = globalPosition;
  startSize_ = window->size();
  window->setCursor(Qt::SizeFDiagCursor);
}

QSize BarDrag::SizeAt(QPoint globalPosition) const {
  const QPoint moved = globalPosition - start_;
  return QSize(startSize_.width() + moved.x(), startSize_.height() + moved.y());
}

void BarDrag::Stop(QWidget* window) { window->unsetCursor(); }

}  // namespace editor::ui

#pragma once
// Mouse input as the window system delivers it, sent straight to a widget,
// in its middle.
#include <QApplication>
#include <QMouseEvent>
#include <QPointF>
#include <QWidget>

namespace testsupport {

// A click with `button` (press, release).
inline void Click(QWidget* w, Qt::MouseButton button = Qt::LeftButton) {
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  const QPointF global = w->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, button, button, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, button, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &release);
}

// A double click with the left button (press, release, double click,
// release).
inline void DoubleClick(QWidget* w) {
  Click(w);
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  const QPointF global = w->mapToGlobal(at);
  QMouseEvent dbl(QEvent::MouseButtonDblClick, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &dbl);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &release);
}

}  // namespace testsupport

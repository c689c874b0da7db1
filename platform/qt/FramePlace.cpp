#include "platform/qt/FramePlace.h"

#include <QMargins>
#include <QWidget>
#include <QWindow>

namespace platform {
namespace {

QMargins Margins(const QWidget* window) {
  const QWindow* handle = window->windowHandle();
  return handle ? handle->frameMargins() : QMargins();
}

}  // namespace

QRect FrameGeometry(const QWidget* window) {
  const QMargins margins = Margins(window);
  if (margins.isNull()) return window->frameGeometry();
  return window->geometry().marginsAdded(margins);
}

void MoveFrameTo(QWidget* window, const QPoint& place) {
  const QMargins margins = Margins(window);
  if (margins.isNull()) {
    window->move(place);
    return;
  }
  window->setGeometry(QRect(place + QPoint(margins.left(), margins.top()), window->size()));
}

}  // namespace platform

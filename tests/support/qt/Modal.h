#pragma once
// Steps a test takes inside a modal dialog: they run once the dialog's own
// event loop has started.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace testsupport {

// Runs `step` once `window` is the active modal window.
inline void WhenModalIs(QWidget* window, std::function<void()> step) {
  QTimer::singleShot(0, [window, step = std::move(step)] {
    if (QApplication::activeModalWidget() == window && window->isVisible())
      step();
    else
      WhenModalIs(window, step);
  });
}

}  // namespace testsupport

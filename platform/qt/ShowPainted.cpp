#include "platform/qt/ShowPainted.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace platform {

void ShowPainted(QWidget* window, int limitMs) {
  window->show();
  // Mapping and exposing a window are answered by the window system later;
  // until then a paint goes nowhere.
  WaitUntilExposed(window, limitMs);
  window->repaint();
  QGuiApplication::sync();
}

void WaitUntilExposed(QWidget* window, int limitMs) {
  QElapsedTimer waited;
  waited.start();
  for (;;) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QWindow* handle = window->windowHandle();
    if (!handle || handle->isExposed() || waited.elapsed() >= limitMs) break;
    QThread::msleep(2);
  }
}

}  // namespace platform

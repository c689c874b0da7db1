#include "platform/qt/WholeOnScreen.h"

#include <QEvent>
#include <QObject>
#include <QResizeEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/qt/FramePlace.h"

namespace platform {
namespace {

int WithinSpan(int start, int extent, int areaStart, int areaExtent) {
  if (extent >= areaExtent) return areaStart;
  return std::clamp(start, areaStart, areaStart + areaExtent - extent);
}

class KeepWhole : public QObject {
 public:
  explicit KeepWhole(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_ || event->type() != QEvent::Resize || !window_->isVisible()) return false;
    // Only growing can take a window off its screen; the first size of a
    // showing (no size before) leaves the window where it was placed.
    const auto* resize = static_cast<QResizeEvent*>(event);
    const QSize before = resize->oldSize();
    if (before.isValid() && (resize->size().width() > before.width() || resize->size().height() > before.height()) &&
        !pending_) {
      // After the step that resizes has done all of its sizing (a fixed
      // size is set as a minimum, a maximum and a size), so that the move
      // reaches the window system after every request of that step.
      pending_ = true;
      QMetaObject::invokeMethod(
          this,
          [this] {
            pending_ = false;
            if (window_->isVisible()) Keep();
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  void Keep() {
    const QScreen* screen = window_->screen();
    if (!screen) return;
    const QRect frame = FrameGeometry(window_);
    const QPoint whole = WholeOnArea(frame, screen->availableGeometry());
    if (whole != frame.topLeft()) MoveFrameTo(window_, whole);
  }

  QWidget* window_;
  bool pending_ = false;
};

}  // namespace

QPoint WholeOnArea(const QRect& frame, const QRect& area) {
  return {WithinSpan(frame.left(), frame.width(), area.left(), area.width()),
          WithinSpan(frame.top(), frame.height(), area.top(), area.height())};
}

void KeepWholeOnScreen(QWidget* window) { new KeepWhole(window); }

}  // namespace platform

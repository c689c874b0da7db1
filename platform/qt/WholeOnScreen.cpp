#include "platform/qt/WholeOnScreen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
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
    if (watched != window_) return false;
    if (event->type() == QEvent::Hide) moved_ = false;
    if (!window_->isVisible()) return false;
    if (event->type() == QEvent::Move && moved_) {
      // The first place the window system reports after our move can be
      // an older one: the report of the resize that made the window grow,
      // which still carried the place from before, arriving after our
      // move. The toolkit then takes that place for the window's; a window
      // the report leaves off the screen is moved back once more.
      moved_ = false;
      if (!pending_) Keep(false);
      return false;
    }
    if (event->type() != QEvent::Resize) return false;
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
            if (window_->isVisible() && ReadFrameReports()) Keep(true);
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  // With no frame known, either the window has none or the window
  // manager's report of the frame it has just made is still unread (the
  // window grew right after showing); a place worked out without the frame
  // is one border and title bar off. The reports the window system already
  // has are read first. False when the window went meanwhile.
  bool ReadFrameReports() {
    const QWindow* handle = window_->windowHandle();
    if (handle && !handle->frameMargins().isNull()) return true;
    const QPointer<QObject> alive(this);
    QGuiApplication::sync();
    return alive && window_->isVisible();
  }

  // With `watchReport`, the window system's next report of the window's
  // place is checked once more.
  void Keep(bool watchReport) {
    const QScreen* screen = window_->screen();
    if (!screen) return;
    const QRect frame = FrameGeometry(window_);
    const QPoint whole = WholeOnArea(frame, screen->availableGeometry());
    if (whole == frame.topLeft()) return;
    MoveFrameTo(window_, whole);
    // Set after the move: the toolkit reports its own idea of the new place
    // at once, during the move.
    moved_ = watchReport;
  }

  QWidget* window_;
  bool pending_ = false;
  bool moved_ = false;
};

}  // namespace

QPoint WholeOnArea(const QRect& frame, const QRect& area) {
  return {WithinSpan(frame.left(), frame.width(), area.left(), area.width()),
          WithinSpan(frame.top(), frame.height(), area.top(), area.height())};
}

void KeepWholeOnScreen(QWidget* window) { new KeepWhole(window); }

}  // namespace platform

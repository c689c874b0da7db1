#include "platform/qt/InputBlocker.h"

#include <QApplication>
#include <QEvent>

namespace platform {
namespace {

constexpr const char* kKeepsInput = "tarvikKeepsInput";

}  // namespace

void KeepInput(QWidget* window) { window->setProperty(kKeepsInput, true); }

InputBlocker::InputBlocker(QWidget* exempt) : exempt_(exempt) {
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

InputBlocker::~InputBlocker() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      break;
    case QEvent::Close:
      // The program closes its windows itself; only the user's request waits.
      if (!event->spontaneous()) return false;
      break;
    default:
      return false;
  }
  // Input reaches the widgets through their windows; it is dropped where it
  // arrives at a widget, so the exempt window keeps its own.
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget) return false;
  QWidget* window = widget->window();
  if (exempt_ && window == exempt_) return false;
  if (window->property(kKeepsInput).toBool()) return false;
  // A dialog that opens modally meanwhile (a question, a system box) is
  // answered as usual.
  if (window == QApplication::activeModalWidget() || window == QApplication::activePopupWidget()) return false;
  return true;
}

}  // namespace platform

#include "platform/qt/InputBlocker.h"

#include <QApplication>
#include <QEvent>
#include <algorithm>
#include <vector>

namespace platform {
namespace {

constexpr const char* kKeepsInput = "tarvikKeepsInput";

class InputGate : public QObject {
 public:
  using QObject::QObject;
  std::vector<const InputBlocker*> active;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    return std::any_of(active.begin(), active.end(), [&](const InputBlocker* b) { return b->Holds(watched, event); });
  }
};

// Owned by the application, so a test program's next application gets one
// of its own.
QPointer<InputGate>& Gate() {
  static QPointer<InputGate> gate;
  return gate;
}

}  // namespace

void KeepInput(QWidget* window) { window->setProperty(kKeepsInput, true); }

void InstallInputGate() {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return;
  if (!Gate()) Gate() = new InputGate(app);
  // Installed again, it moves before every filter installed since.
  app->removeEventFilter(Gate());
  app->installEventFilter(Gate());
}

InputBlocker::InputBlocker(QWidget* exempt) : exempt_(exempt) {
  if (!Gate()) InstallInputGate();
  if (Gate()) Gate()->active.push_back(this);
}

InputBlocker::~InputBlocker() {
  if (!Gate()) return;
  auto& active = Gate()->active;
  active.erase(std::remove(active.begin(), active.end(), this), active.end());
}

bool InputBlocker::Holds(QObject* watched, QEvent* event) const {
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

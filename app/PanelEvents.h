#pragma once
// Clicks and double clicks on a panel's free area, for the handlers that
// the program hangs on background panels (a click closes a menu, a double
// click lists the serial ports).
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>
#include <utility>

namespace app {

class PanelMouse : public QObject {
 public:
  PanelMouse(QWidget* panel, QEvent::Type type, std::function<void()> action)
      : QObject(panel), type_(type), action_(std::move(action)) {
    panel->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == type_) action_();
    return false;
  }

 private:
  QEvent::Type type_;
  std::function<void()> action_;
};

inline void OnPanelClick(QWidget* panel, std::function<void()> action) {
  new PanelMouse(panel, QEvent::MouseButtonRelease, std::move(action));
}
inline void OnPanelDoubleClick(QWidget* panel, std::function<void()> action) {
  new PanelMouse(panel, QEvent::MouseButtonDblClick, std::move(action));
}

}  // namespace app

#pragma once
// A timer that carries a number, as the step controls' repeat timers keep
// the direction of the running repeat (+1 up, -1 down).
#include <QString>
#include <QTimer>

#include "rendering/StepValue.h"

namespace editor::ui {

class TagTimer : public QTimer {
 public:
  using QTimer::QTimer;
  int Tag = 0;

  // A step button pressed: the repeat runs in `direction`, its first tick
  // 500 ms on.
  void Press(int direction) {
    Tag = direction;
    setInterval(kRepeatDelayMs);
    start();
  }
  // A tick: the following ones come every `periodMs`. The repeat's
  // direction.
  int Tick(int periodMs) {
    setInterval(periodMs);
    return Tag;
  }
  // The button released: stopped, ready for the next press.
  void Release() {
    setInterval(kRepeatDelayMs);
    stop();
  }
};

// A step control's repeat timer named `name`, stopped, its first repeat
// due 500 ms after a press.
inline TagTimer* AddRepeatTimer(QObject* parent, const char* name) {
  auto* t = new TagTimer(parent);
  t->setObjectName(QString::fromLatin1(name));
  t->setInterval(kRepeatDelayMs);
  return t;
}

}  // namespace editor::ui

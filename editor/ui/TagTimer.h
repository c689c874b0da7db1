#pragma once
// A timer that carries a number, as the step controls' repeat timers keep
// the direction of the running repeat (+1 up, -1 down).
#include <QTimer>

namespace editor::ui {

class TagTimer : public QTimer {
 public:
  using QTimer::QTimer;
  int Tag = 0;
};

}  // namespace editor::ui

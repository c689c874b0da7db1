#pragma once
// The timer behind a held step button (printersettings/StepRepeat.h has the
// bands). A form keeps one per repeating row (Timer0, Timer1 ...) and wires
// it to the row's buttons:
//
//   Timer0 = new RepeatTimer(this, printersettings::kFilterRepeat,
//                            [this](int step) { EditFilter += step; UpdateView(); });
//   Timer0->Attach(row.down, -1);  // mouse down starts it, mouse up stops it
//   Timer0->Attach(row.up, +1);
//
// Rows that repeat only under a condition (a shift row whose mode is not
// chosen yet) pass `mayStart`. The button's click (after the release) steps
// once more through the form's own click handler.
#include <QObject>
#include <QTimer>
#include <functional>

#include "printersettings/StepRepeat.h"

class QAbstractButton;

namespace printersettings::ui {

class RepeatTimer : public QObject {
 public:
  RepeatTimer(QObject* owner, const printersettings::RepeatPlan& plan, std::function<void(int step)> onStep);

  // Mouse down on "-" (-1) or "+" (+1): tag = direction, 500 ms, started.
  void Start(int direction);
  // Mouse up: interval back to 500 ms, stopped.
  void Stop();
  // One tick (the timer's handler): the repeat interval from now on, the
  // step the tag stands for.
  void Tick();

  // Press and release of `button` start and stop the timer in `direction`;
  // with `mayStart`, only when it agrees at the press.
  void Attach(QAbstractButton* button, int direction, std::function<bool()> mayStart = {});

  bool Active() const { return timer_->isActive(); }
  int Interval() const { return timer_->interval(); }
  int Tag = 0;

 private:
  printersettings::RepeatPlan plan_;
  std::function<void(int)> onStep_;
  QTimer* timer_;
};

}  // namespace printersettings::ui

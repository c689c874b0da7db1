#include "printersettings/ui/RepeatTimer.h"

#include <QAbstractButton>

namespace printersettings::ui {

RepeatTimer::RepeatTimer(QObject* owner, const printersettings::RepeatPlan& plan, std::function<void(int step)> onStep)
    : QObject(owner), plan_(plan), onStep_(std::move(onStep)), timer_(new QTimer(this)) {
  timer_->setInterval(printersettings::kRepeatDelayMs);
  connect(timer_, &QTimer::timeout, this, [this] { Tick(); });
}

void RepeatTimer::Start(int direction) {
  Tag = direction < 0 ? -1 : 1;
  timer_->setInterval(printersettings::kRepeatDelayMs);
  timer_->start();
}

void RepeatTimer::Stop() {
  timer_->setInterval(printersettings::kRepeatDelayMs);
  timer_->stop();
}

void RepeatTimer::Tick() {
  timer_->setInterval(plan_.intervalMs);
  const int step = printersettings::TakeRepeatStep(plan_, Tag);
  if (step != 0 && onStep_) onStep_(step);
}

void RepeatTimer::Attach(QAbstractButton* button, int direction, std::function<bool()> mayStart) {
  connect(button, &QAbstractButton::pressed, this, [this, direction, mayStart] {
    if (!mayStart || mayStart()) Start(direction);
  });
  connect(button, &QAbstractButton::released, this, [this] { Stop(); });
}

}  // namespace printersettings::ui

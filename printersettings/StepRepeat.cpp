#include "printersettings/StepRepeat.h"

#include <cstdlib>

namespace printersettings {

int TakeRepeatStep(const RepeatPlan& plan, int& tag) {
  if (tag == 0) return 0;
  const int direction = tag < 0 ? -1 : 1;
  if (plan.bandTicks <= 0) return direction * plan.steps[0];
  const int tick = std::abs(tag);
  const int lastBand = static_cast<int>(plan.steps.size()) - 1;
  const int band = tick / plan.bandTicks < lastBand ? tick / plan.bandTicks : lastBand;
  if (band < lastBand) tag += direction;
  return direction * plan.steps[static_cast<std::size_t>(band)];
}

}  // namespace printersettings

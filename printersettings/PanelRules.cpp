#include "printersettings/PanelRules.h"

#include "printersettings/SettingValues.h"

namespace printersettings {
namespace {

// Where a value that fell into a gap of the sequence lands, going down
// (to the step before the gap) or up (to the step after it).
int IntoSequence(int value, bool up) {
  if (value <= 0) return 1;
  if (value >= 5 && value <= 10) return up ? 11 : 4;
  if (value >= 15 && value <= 20) return up ? 21 : 14;
  if (value >= 25 && value <= 30) return up ? 31 : 24;
  if (value >= 32) return 31;
  return value;
}

}  // namespace

int BehaviourInSequence(int value) {
  if (value <= 1) return 1;
  return IntoSequence(value, false);
}

// Computed on the sequence's own value first, so an extreme value from the
// printer cannot overflow the step.
int BehaviourDown(int value) { return IntoSequence(BehaviourInSequence(value) - 1, false); }
int BehaviourUp(int value) { return IntoSequence(BehaviourInSequence(value) + 1, true); }

void NormaliseSignalEntries(std::array<int, kSignalEntries>& lamp, std::array<int, kSignalEntries>& horn,
                            std::array<int, kSignalEntries>& alarm) {
  for (int entry : kSignalRows) {
    auto n = static_cast<std::size_t>(entry);
    lamp[n] = Clamp(lamp[n], 0, 11);
    if (horn[n] != 0 && horn[n] != 1) horn[n] = 0;
    if (alarm[n] != 0 && alarm[n] != 1) alarm[n] = 1;
  }
  for (std::size_t n = 4; n <= 6; ++n) {
    lamp[n] = lamp[kSignalPrintEntry];
    horn[n] = horn[kSignalPrintEntry];
    alarm[n] = alarm[kSignalPrintEntry];
  }
}

int Toggled(int value) { return value == 0 ? 1 : 0; }

FixedDisplayLines FixedLinesOfMode(int displayMode) { return {31, 0, displayMode == 0 ? 6 : 8, 0}; }

}  // namespace printersettings

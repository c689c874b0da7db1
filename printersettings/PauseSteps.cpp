#include "printersettings/PauseSteps.h"

#include <algorithm>

namespace printersettings {

int WaitDown(int seconds) {
  if (seconds <= 1) return 0;
  const int down = std::max(seconds / 30 - 1, 0) * 30;
  return down == 0 ? 1 : down;
}

int WaitUp(int seconds) { return seconds <= 0 ? 1 : (seconds / 30 + 1) * 30; }

int ReverseTimeDown(int ms) { return std::max(ms / 50 - 1, 0) * 50; }

int ReverseTimeUp(int ms) { return ms == 0 ? 700 : (ms / 50 + 1) * 50; }

int PowerDown(int power) { return std::max(power / 50 - 1, 0) * 50 + 10; }

int PowerUp(int power) { return (power / 50 + 1) * 50 + 10; }

ReverseRows ReverseRowsActive(int machineType, int waitSeconds, int reverseTimeMs) {
  if (machineType == 3 || machineType == 4) return {};
  if (waitSeconds == 0 || waitSeconds == 1) return {};
  if (reverseTimeMs == 0) return {true, false};
  return {true, true};
}

}  // namespace printersettings

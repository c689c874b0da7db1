#include "printersettings/StepCaptions.h"

namespace printersettings {

StepCaptionPair StepCaptions(int value, int low, int high, char down, char up, int padding) {
  const std::string blanks(static_cast<std::size_t>(padding > 0 ? padding : 0), ' ');
  StepCaptionPair c;
  if (value > low) c.down = std::string(1, down) + blanks;
  if (value < high) c.up = blanks + std::string(1, up);
  return c;
}

}  // namespace printersettings

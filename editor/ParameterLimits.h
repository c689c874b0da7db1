#pragma once
// The ranges the parameters pane keeps the print layout in. Lead-in, print
// length and run-out are held in whole millimetres (the tenths of a stored
// value are dropped), the distances in tenths, counts as they are; the
// orientation is not limited.
#include <cstdint>

#include "printdata/PrintParameters.h"

namespace editor {

struct ParameterLimit {
  std::int32_t Min;
  std::int32_t Max;
};

// In the unit the pane holds them: millimetres for the whole-millimetre
// values, tenths of a millimetre for the distances.
inline constexpr ParameterLimit kVorlaufLimit{0, 500};
inline constexpr ParameterLimit kDrucklaengeLimit{1, 100};
inline constexpr ParameterLimit kAnzahlLimit{1, 100};
inline constexpr ParameterLimit kAbstandLimit{0, 5000};
inline constexpr ParameterLimit kNachlaufLimit{0, 500};

// What loading values into the pane and writing them back does to them:
// whole millimetres, every value within its range. After it the print field
// is 6 to 600 columns wide.
void NormalizeParameters(printdata::PrintParameters& parameters);

}  // namespace editor

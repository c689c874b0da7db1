#pragma once
// The ranges the parameters pane keeps the print layout in. Lead-in, print
// length and run-out are held in whole millimetres (the tenths of a stored
// value are dropped), the distances in tenths, counts as they are; the
// orientation is not limited.
#include "rendering/StepValue.h"
#include "printdata/PrintParameters.h"

namespace editor {

// In the unit the pane holds them: millimetres for the whole-millimetre
// values, tenths of a millimetre for the distances.
inline constexpr StepRange kVorlaufLimit{0, 500};
inline constexpr StepRange kDrucklaengeLimit{1, 100};
inline constexpr StepRange kAnzahlLimit{1, 100};
inline constexpr StepRange kAbstandLimit{0, 5000};
inline constexpr StepRange kNachlaufLimit{0, 500};

// What loading values into the pane and writing them back does to them:
// whole millimetres, every value within its range. After it the print field
// is 6 to 600 columns wide.
void NormalizeParameters(printdata::PrintParameters& parameters);
// The same for one X set.
void NormalizeParameterSet(printdata::ParameterSetX& set);

}  // namespace editor

#pragma once
// The print field a print text is drawn into: 6 dot columns per millimetre
// of the X1 print length, 25 dot rows (row 0 at the top).
#include <cstdint>

#include "printdata/PrintText.h"

namespace printdata {

inline constexpr int kPrintFieldRows = 25;
inline constexpr int kDotsPerMillimetre = 6;

// Columns for a print length in tenths of a millimetre; part millimetres
// are dropped (15 gives 6). A negative length (only a damaged file holds
// one) gives an empty field rather than a negative width.
inline std::int32_t PrintFieldColumns(std::int32_t drucklaenge) {
  return drucklaenge < 0 ? 0 : drucklaenge / 10 * kDotsPerMillimetre;
}

inline std::int32_t PrintFieldColumns(const PrintText& text) {
  return PrintFieldColumns(text.Parameters.X1.Drucklaenge);
}

}  // namespace printdata

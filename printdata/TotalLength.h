#pragma once
// Total lengths of the parameter sets in tenths of a millimetre, from the
// values as stored (nothing clamped). The sums run in 32 bits and wrap
// around like the printer's own arithmetic, so out-of-range values from a
// file give the same figure here as there.
#include <cstdint>

#include "printdata/PrintText.h"

namespace printdata {

// Vorlauf + ((Drucklaenge + Abstand) * Anzahl - Abstand + Abstand2) * Anzahl2
// - Abstand2 + Nachlauf: the groups of prints with the gaps between them.
std::int32_t TotalLength(const ParameterSetX& set);
// AnzahlZ * AbstandZ - AbstandZ + VorlaufZ + NachlaufZ.
std::int32_t TotalLength(const ParameterSetY& set);

std::int32_t TotalLengthX1(const PrintText& text);
std::int32_t TotalLengthX2(const PrintText& text);
std::int32_t TotalLengthY(const PrintText& text);

}  // namespace printdata

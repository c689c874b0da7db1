#include "printdata/TotalLength.h"

namespace printdata {
namespace {

// Unsigned arithmetic wraps by definition; signed overflow would not.
using Wrap = std::uint32_t;

std::int32_t ToSigned(Wrap value) { return static_cast<std::int32_t>(value); }

}  // namespace

std::int32_t TotalLength(const ParameterSetX& s) {
  const Wrap block = (Wrap(s.Drucklaenge) + Wrap(s.Abstand)) * Wrap(s.Anzahl) - Wrap(s.Abstand);
  const Wrap groups = (Wrap(s.Abstand2) + block) * Wrap(s.Anzahl2) - Wrap(s.Abstand2);
  return ToSigned(Wrap(s.Vorlauf) + groups + Wrap(s.Nachlauf));
}

std::int32_t TotalLength(const ParameterSetY& s) {
  return ToSigned(Wrap(s.AnzahlZ) * Wrap(s.AbstandZ) - Wrap(s.AbstandZ) + Wrap(s.VorlaufZ) +
                  Wrap(s.NachlaufZ));
}

std::int32_t TotalLengthX1(const PrintText& text) { return TotalLength(text.Parameters.X1); }
std::int32_t TotalLengthX2(const PrintText& text) { return TotalLength(text.Parameters.X2); }
std::int32_t TotalLengthY(const PrintText& text) { return TotalLength(text.Parameters.Y); }

}  // namespace printdata

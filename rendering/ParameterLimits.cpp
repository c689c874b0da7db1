#include "rendering/ParameterLimits.h"

#include <algorithm>

namespace editor {
namespace {

std::int32_t Clamp(std::int32_t value, StepRange limit) {
  return std::clamp(value, limit.Min, limit.Max);
}

// A length stored in tenths that the pane holds in whole millimetres.
std::int32_t WholeMillimetres(std::int32_t tenths, StepRange limit) {
  return Clamp(tenths / 10, limit) * 10;
}

}  // namespace

void NormalizeParameterSet(printdata::ParameterSetX& set) {
  set.Vorlauf = WholeMillimetres(set.Vorlauf, kVorlaufLimit);
  set.Drucklaenge = WholeMillimetres(set.Drucklaenge, kDrucklaengeLimit);
  set.Anzahl = Clamp(set.Anzahl, kAnzahlLimit);
  set.Abstand = Clamp(set.Abstand, kAbstandLimit);
  set.Anzahl2 = Clamp(set.Anzahl2, kAnzahlLimit);
  set.Abstand2 = Clamp(set.Abstand2, kAbstandLimit);
  set.Nachlauf = WholeMillimetres(set.Nachlauf, kNachlaufLimit);
}

void NormalizeParameters(printdata::PrintParameters& parameters) {
  NormalizeParameterSet(parameters.X1);
  NormalizeParameterSet(parameters.X2);
  printdata::ParameterSetY& y = parameters.Y;
  y.VorlaufZ = WholeMillimetres(y.VorlaufZ, kVorlaufLimit);
  y.AnzahlZ = Clamp(y.AnzahlZ, kAnzahlLimit);
  y.AbstandZ = Clamp(y.AbstandZ, kAbstandLimit);
  y.NachlaufZ = WholeMillimetres(y.NachlaufZ, kNachlaufLimit);
}

}  // namespace editor

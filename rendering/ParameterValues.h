#pragma once
// The twenty values of the parameters pane: sets X1 and X2 of eight values
// each and set Y of four, the unit each is held in, its range and its auto
// repeat, and how the pane moves them between itself and the print
// layout. Lead-in, print length and run-out are held in whole millimetres,
// distances in tenths of a millimetre, counts as they are, the orientation
// in degrees.
#include <array>
#include <cstdint>
#include <string>

#include "rendering/StepValue.h"
#include "printdata/PrintParameters.h"

namespace editor {

enum class ParameterUnit { Millimetres, Tenths, Count, Degrees };

// Indices of the values, in the order the pane clamps them: X1, then X2,
// then Y.
enum ParameterIndex : int {
  kVorlauf = 0, kDrucklaenge, kAnzahl, kAbstand, kAnzahl2, kAbstand2, kNachlauf, kLage,  // + 0 X1, + 8 X2
  kVorlaufZ = 16, kAnzahlZ, kAbstandZ, kNachlaufZ,
  kParameterCount = 20,
};
inline constexpr int kX2 = 8;  // added to an X1 index gives the X2 one

struct ParameterField {
  const char* ValueLabel;  // the pane's value label: "LabelVorlauf", "LabelVorlaufX2", "LabelVorlaufZ"
  ParameterUnit Unit;
  StepRange Range;       // unused for the orientation
  int RepeatMs;          // step interval of a held button; 0: no auto-repeat
};

const std::array<ParameterField, kParameterCount>& ParameterFields();

using ParameterValueSet = std::array<std::int32_t, kParameterCount>;

// The pane's values of a print layout: the whole-millimetre values are the
// stored tenths / 10, truncated; the others as stored.
ParameterValueSet LoadParameterValues(const printdata::PrintParameters& parameters);
// Writes the pane's values back: whole millimetres x 10, the others as held.
void StoreParameterValues(const ParameterValueSet& values, printdata::PrintParameters& parameters);
// The defaults of one X set (index 0 for X1, kX2 for X2) and of the Y set.
void ResetSetX(ParameterValueSet& values, int first);
void ResetSetY(ParameterValueSet& values);

// Value `index` within its range (the orientation is left as it is).
ClampedStep ClampParameter(int index, std::int64_t value);
// The caption of value `index`: "12 mm", "10.5 mm", "3", "180 °" (Windows-1252).
std::string ParameterCaption(int index, std::int32_t value);
// One step of value `index` in its unit: 1 mm, 1 count or 0.1 mm.
inline std::int32_t ParameterStep(int index, std::int32_t value, int direction) { return Stepped(value, direction); }
// The orientation after a click: 0 becomes 180, anything else 0.
inline std::int32_t ToggledOrientation(std::int32_t lage) { return lage == 0 ? 180 : 0; }

// What an X set shows for its counts: the distance and the group count
// from 2 prints on, the group distance with 2 groups of 2 prints or more;
// the set's height follows.
struct SetXRows {
  bool Abstand;
  bool Anzahl2;
  bool Abstand2;
  int Height;  // 131, 187 or 243
};
SetXRows RowsOfSetX(std::int32_t anzahl, std::int32_t anzahl2);
// Set Y shows its distance from 2 on; 131 high then, else 75.
struct SetYRows {
  bool AbstandZ;
  int Height;
};
SetYRows RowsOfSetY(std::int32_t anzahlZ);

// Whether X2 or Y hold anything but their defaults, so that the pane opens
// with all three sets.
bool NeedsExtendedView(const printdata::PrintParameters& parameters);

// "Parameter X1  -  Gesamtlänge 30.0 mm": the set's word, the total word
// and the total in tenths with one decimal.
std::string SetTitle(const std::string& setWord, const std::string& totalWord, std::int32_t totalTenths);

// Tenths of a millimetre as "12.3 mm", with the program's decimal separator.
std::string TenthsText(std::int64_t tenths);

}  // namespace editor

#pragma once
// The print layout of a print text. Lengths are tenths of a millimetre.
// X1 and X2 are the two horizontal layouts, Y the vertical one.
#include <array>
#include <cstdint>

namespace printdata {

struct ParameterSetX {
  std::int32_t Vorlauf = 0;        // lead-in before the first print
  std::int32_t Drucklaenge = 300;  // print length
  std::int32_t Anzahl = 1;         // prints per group
  std::int32_t Abstand = 100;      // distance between the prints of a group
  std::int32_t Anzahl2 = 1;        // number of groups
  std::int32_t Abstand2 = 200;     // distance between groups
  std::int32_t Nachlauf = 0;       // run-out after the last print
  std::int32_t Lage = 0;           // orientation in degrees, 0 or 180

  friend bool operator==(const ParameterSetX&, const ParameterSetX&) = default;
};

struct ParameterSetY {
  std::int32_t VorlaufZ = 0;
  std::int32_t AbstandZ = 0;
  std::int32_t AnzahlZ = 1;
  std::int32_t NachlaufZ = 0;

  friend bool operator==(const ParameterSetY&, const ParameterSetY&) = default;
};

struct PrintParameters {
  ParameterSetX X1;
  ParameterSetX X2;
  ParameterSetY Y;

  friend bool operator==(const PrintParameters&, const PrintParameters&) = default;
};

// The values of a set in the order the files list them.
inline constexpr std::array<std::int32_t ParameterSetX::*, 8> kParameterSetXFields = {
    &ParameterSetX::Vorlauf, &ParameterSetX::Drucklaenge, &ParameterSetX::Anzahl,
    &ParameterSetX::Abstand, &ParameterSetX::Anzahl2,     &ParameterSetX::Abstand2,
    &ParameterSetX::Nachlauf, &ParameterSetX::Lage};
inline constexpr std::array<std::int32_t ParameterSetY::*, 4> kParameterSetYFields = {
    &ParameterSetY::VorlaufZ, &ParameterSetY::AbstandZ, &ParameterSetY::AnzahlZ,
    &ParameterSetY::NachlaufZ};

}  // namespace printdata

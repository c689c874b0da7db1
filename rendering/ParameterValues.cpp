#include "rendering/ParameterValues.h"

#include "rendering/ParameterLimits.h"
#include "platform/DateTimeText.h"

namespace editor {
namespace {

using U = ParameterUnit;

// One X set's eight fields, in the order of ParameterIndex.
constexpr std::array<std::int32_t printdata::ParameterSetX::*, 8> kSetXFields = {
    &printdata::ParameterSetX::Vorlauf, &printdata::ParameterSetX::Drucklaenge, &printdata::ParameterSetX::Anzahl,
    &printdata::ParameterSetX::Abstand, &printdata::ParameterSetX::Anzahl2,     &printdata::ParameterSetX::Abstand2,
    &printdata::ParameterSetX::Nachlauf, &printdata::ParameterSetX::Lage};
constexpr std::array<std::int32_t printdata::ParameterSetY::*, 4> kSetYFields = {
    &printdata::ParameterSetY::VorlaufZ, &printdata::ParameterSetY::AnzahlZ, &printdata::ParameterSetY::AbstandZ,
    &printdata::ParameterSetY::NachlaufZ};

bool WholeMillimetres(int index) { return ParameterFields()[static_cast<std::size_t>(index)].Unit == U::Millimetres; }

}  // namespace

const std::array<ParameterField, kParameterCount>& ParameterFields() {
  static const std::array<ParameterField, kParameterCount> fields = {{
      {"LabelVorlauf", U::Millimetres, kVorlaufLimit, 100},
      {"LabelDrucklaenge", U::Millimetres, kDrucklaengeLimit, 100},
      {"LabelAnzahl", U::Count, kAnzahlLimit, 0},
      {"LabelAbstand", U::Tenths, kAbstandLimit, 10},
      {"LabelAnzahl2", U::Count, kAnzahlLimit, 0},
      {"LabelAbstand2", U::Tenths, kAbstandLimit, 10},
      {"LabelNachlauf", U::Millimetres, kNachlaufLimit, 100},
      {"LabelLage", U::Degrees, {0, 180}, 0},
      {"LabelVorlaufX2", U::Millimetres, kVorlaufLimit, 100},
      {"LabelDrucklaengeX2", U::Millimetres, kDrucklaengeLimit, 100},
      {"LabelAnzahlX2", U::Count, kAnzahlLimit, 0},
      {"LabelAbstandX2", U::Tenths, kAbstandLimit, 10},
      {"LabelAnzahl2X2", U::Count, kAnzahlLimit, 0},
      {"LabelAbstand2X2", U::Tenths, kAbstandLimit, 10},
      {"LabelNachlaufX2", U::Millimetres, kNachlaufLimit, 100},
      {"LabelLageX2", U::Degrees, {0, 180}, 0},
      {"LabelVorlaufZ", U::Millimetres, kVorlaufLimit, 100},
      {"LabelAnzahlZ", U::Count, kAnzahlLimit, 0},
      {"LabelAbstandZ", U::Tenths, kAbstandLimit, 10},
      {"LabelNachlaufZ", U::Millimetres, kNachlaufLimit, 100},
  }};
  return fields;
}

ParameterValueSet LoadParameterValues(const printdata::PrintParameters& p) {
  ParameterValueSet v{};
  for (int i = 0; i < 8; ++i) {
    v[static_cast<std::size_t>(i)] = p.X1.*kSetXFields[static_cast<std::size_t>(i)];
    v[static_cast<std::size_t>(i + kX2)] = p.X2.*kSetXFields[static_cast<std::size_t>(i)];
  }
  for (int i = 0; i < 4; ++i) v[static_cast<std::size_t>(kVorlaufZ + i)] = p.Y.*kSetYFields[static_cast<std::size_t>(i)];
  for (int i = 0; i < kParameterCount; ++i)
    if (WholeMillimetres(i)) v[static_cast<std::size_t>(i)] /= 10;
  return v;
}

void StoreParameterValues(const ParameterValueSet& values, printdata::PrintParameters& p) {
  auto stored = [&](int i) {
    const std::int32_t v = values[static_cast<std::size_t>(i)];
    return WholeMillimetres(i) ? Stepped(static_cast<std::int64_t>(v) * 10, 0) : v;
  };
  for (int i = 0; i < 8; ++i) {
    p.X1.*kSetXFields[static_cast<std::size_t>(i)] = stored(i);
    p.X2.*kSetXFields[static_cast<std::size_t>(i)] = stored(i + kX2);
  }
  for (int i = 0; i < 4; ++i) p.Y.*kSetYFields[static_cast<std::size_t>(i)] = stored(kVorlaufZ + i);
}

void ResetSetX(ParameterValueSet& values, int first) {
  const ParameterValueSet defaults = LoadParameterValues(printdata::PrintParameters{});
  for (int i = 0; i < 8; ++i) values[static_cast<std::size_t>(first + i)] = defaults[static_cast<std::size_t>(i)];
}

void ResetSetY(ParameterValueSet& values) {
  const ParameterValueSet defaults = LoadParameterValues(printdata::PrintParameters{});
  for (int i = kVorlaufZ; i < kParameterCount; ++i) values[static_cast<std::size_t>(i)] = defaults[static_cast<std::size_t>(i)];
}

ClampedStep ClampParameter(int index, std::int64_t value) {
  const ParameterField& f = ParameterFields()[static_cast<std::size_t>(index)];
  if (f.Unit == U::Degrees) return {Stepped(value, 0), false, false};
  return ClampStep(value, f.Range);
}

std::string TenthsText(std::int64_t tenths) {
  const std::int64_t magnitude = tenths < 0 ? -tenths : tenths;
  return (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10) + platform::kDecimalSeparator +
         std::to_string(magnitude % 10) + " mm";
}

std::string ParameterCaption(int index, std::int32_t value) {
  switch (ParameterFields()[static_cast<std::size_t>(index)].Unit) {
    case U::Millimetres: return std::to_string(value) + " mm";
    case U::Tenths: return TenthsText(value);
    case U::Count: return std::to_string(value);
    case U::Degrees: return std::to_string(value) + " \xB0";
  }
  return {};
}

SetXRows RowsOfSetX(std::int32_t anzahl, std::int32_t anzahl2) {
  SetXRows rows{};
  rows.Abstand = rows.Anzahl2 = anzahl >= 2;
  rows.Abstand2 = anzahl >= 2 && anzahl2 >= 2;
  rows.Height = rows.Abstand2 ? 243 : rows.Anzahl2 ? 187 : 131;
  return rows;
}

SetYRows RowsOfSetY(std::int32_t anzahlZ) {
  const bool shown = anzahlZ >= 2;
  return {shown, shown ? 131 : 75};
}

bool NeedsExtendedView(const printdata::PrintParameters& p) {
  const printdata::PrintParameters defaults;
  return !(p.X2 == defaults.X2) || !(p.Y == defaults.Y);
}

std::string SetTitle(const std::string& setWord, const std::string& totalWord, std::int32_t totalTenths) {
  std::string t = setWord + "  -  " + totalWord + " " + TenthsText(totalTenths);
  return t;
}

}  // namespace editor

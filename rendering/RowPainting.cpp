#include "rendering/RowPainting.h"

#include <cstdint>
#include <string_view>

#include "rendering/DateFormats.h"
#include "rendering/ParameterValues.h"
#include "rendering/TimeFormats.h"
#include "printdata/PrintField.h"

namespace editor {
namespace {

// Blanks and control characters off both ends.
std::string Trimmed(std::string_view s) {
  auto junk = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!s.empty() && junk(s.front())) s.remove_prefix(1);
  while (!s.empty() && junk(s.back())) s.remove_suffix(1);
  return std::string(s);
}

std::string Millimetres(std::int32_t tenths) { return std::to_string(tenths / 10) + " mm"; }

}  // namespace

platform::Bitmap ComposeRowImage(const PreviewImages& images, const printdata::PrintText& work, int rows) {
  platform::Bitmap row(printdata::PrintFieldColumns(work), rows);
  for (const platform::Bitmap& layer : images.Layers) row.DrawTransparent(layer, 0, 0);
  return row;
}

int RowImageControlWidth(const printdata::PrintText& work, int zoom) {
  return printdata::PrintFieldColumns(work) * zoom;
}

std::string LayerSummary(const printdata::LayerObject& layer, const LayerSummaryTexts& texts) {
  switch (layer.Kind) {
    case printdata::kKindText:
      return texts.KindNames[1] + " " + Trimmed(layer.Text);
    case printdata::kKindDate:
      return texts.KindNames[2] + ", " + texts.DateOffsetTitle + " " + std::to_string(layer.DayOffset) + ", " +
             texts.DateChangeTitle + " " + texts.DateChangeTexts[static_cast<std::size_t>(DateChangeIndex(layer.WeekdayMask))] +
             ", " + texts.DateFormatTitle + " " + Trimmed(layer.DateFormat);
    case printdata::kKindTime: {
      // An interval no choice offers leaves the change part empty.
      std::string change;
      for (std::size_t i = 0; i < kTimeChangeIntervals.size(); ++i)
        if (kTimeChangeIntervals[i] == layer.Interval) change = texts.TimeChangeTitle + " " + texts.TimeChangeTexts[i];
      return texts.KindNames[3] + ", " + texts.TimeOffsetTitle + " " + TimeOffsetText(layer.TimeOffset) + ", " +
             change + ", " + texts.TimeFormatTitle + " " + Trimmed(layer.TimeFormat);
    }
    case printdata::kKindGraphic:
      return texts.KindNames[5];
    default:
      return "-";
  }
}

RowParameterTexts RowParameters(const printdata::ParameterSetX& x1) {
  RowParameterTexts t;
  t.Vorlauf = Millimetres(x1.Vorlauf);
  t.Drucklaenge = Millimetres(x1.Drucklaenge);
  t.Nachlauf = Millimetres(x1.Nachlauf);
  t.Lage = x1.Lage != 0 ? "180 \xB0" : "0 \xB0";
  t.Anzahl = std::to_string(x1.Anzahl);
  t.Anzahl2 = std::to_string(x1.Anzahl2);
  t.Abstand = TenthsText(x1.Abstand);
  t.Abstand2 = TenthsText(x1.Abstand2);
  t.ShowAbstand = t.Anzahl != "1";
  t.ShowGroups = t.ShowAbstand && t.Anzahl2 != "1";
  return t;
}

}  // namespace editor

#pragma once
// What a data-view row shows of a print text after it was loaded and
// rendered: the row picture (all five layers' ink, black on white), one
// summary line per layer and the values of its X1 layout. The data view
// puts them into its row controls; the texts it passes in are the captions
// of the editor's panes in the chosen language. Texts are Windows-1252.
#include <array>
#include <string>

#include "rendering/PreviewImages.h"
#include "platform/Bitmap.h"
#include "printdata/PrintField.h"
#include "printdata/PrintText.h"

namespace editor {

// The row picture: (X1 print length in whole millimetres) x 6 columns and
// `rows` rows, white, with the five layer images drawn on it in layer order,
// white as the transparent colour.
platform::Bitmap ComposeRowImage(const PreviewImages& images, const printdata::PrintText& work, int rows = printdata::kPrintFieldRows);
// The width of the row picture's control at data-view zoom `zoom`.
int RowImageControlWidth(const printdata::PrintText& work, int zoom);

struct LayerSummaryTexts {
  // Kinds 0..3 are entries 0..3, kind 4 (graphic) is entry 5.
  std::array<std::string, 6> KindNames = {"Kein", "Text", "Datum", "Zeit", "Z\xE4hler", "Grafik"};
  std::string DateOffsetTitle = "Offset", DateChangeTitle = "Wechsel", DateFormatTitle = "Format";
  // The date pane's change choices, in the order of kDateChangeMasks.
  std::array<std::string, 12> DateChangeTexts = {
      "T\xE4glich", "Montag/Donnerstag", "Dienstag/Freitag", "Mittwoch/Samstag", "Montag", "Dienstag",
      "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag", "Nie"};
  std::string TimeOffsetTitle = "Offset", TimeChangeTitle = "Wechsel", TimeFormatTitle = "Format";
  // The time pane's change choices, in the order of kTimeChangeIntervals.
  std::array<std::string, 6> TimeChangeTexts = {"Forlaufend", "30 Sekunden", "10 Minuten",
                                                "1 Stunde",   "12 Stunden",  "Nie"};
};

// Every word a data-view row is labelled with, as the editor's panes and
// view menu show them in the chosen language: the summaries' words, the
// layer titles and the parameter titles (Vorlauf, Drucklänge, Lage, Anzahl,
// Abstand, Anzahl2, Abstand2, Nachlauf). The row adds the ":".
struct RowWords {
  LayerSummaryTexts Summaries;
  std::array<std::string, printdata::kLayerCount> LayerTitles = {"Ebene 1", "Ebene 2", "Ebene 3", "Ebene 4",
                                                                 "Ebene 5"};
  std::array<std::string, 8> ParameterTitles = {"Vorlauf", "Druckl\xE4nge", "Lage",    "Anzahl",
                                                "Abstand", "Anzahl",        "Abstand", "Nachlauf"};
};

// "Text ABC", "Datum, Offset 0, Wechsel Täglich, Format dd.mm.yyyy",
// "Zeit, Offset 01:30, Wechsel Nie, Format hh:mm", "Grafik", or "-" for a
// layer of kind none or an unknown kind.
std::string LayerSummary(const printdata::LayerObject& layer, const LayerSummaryTexts& texts);

struct RowParameterTexts {
  std::string Vorlauf, Drucklaenge, Lage, Anzahl, Abstand, Anzahl2, Abstand2, Nachlauf;
  bool ShowAbstand = false;  // the distance within a group
  bool ShowGroups = false;   // the group count and the distance between groups
};

// The X1 values as the row shows them: "12 mm", "180 \xB0", "3", "10.5 mm".
RowParameterTexts RowParameters(const printdata::ParameterSetX& x1);

}  // namespace editor

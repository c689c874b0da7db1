#include "bench/support/BenchGroup.h"

#include <string>

#include "rendering/DateFormats.h"
#include "rendering/TimeFormats.h"

namespace bench {

void FillGroup(printdata::PrintGroup& group) {
  for (int i = 0; i < printdata::kMaxPrintTexts; ++i) {
    printdata::PrintText& t = group.Texts[static_cast<std::size_t>(i)];
    t.Parameters.X1.Drucklaenge = 600 + 4 * i;  // 60..99 mm
    t.Layers[0].Kind = printdata::kKindText;
    t.Layers[0].Text = "Charge " + std::to_string(1000 + i);
    t.Layers[1].Kind = printdata::kKindDate;  // dynamic: date files
    editor::ApplyDateFormat(t, 1, i % 39);
    t.Layers[1].PosX = 120;
    t.Layers[2].Kind = printdata::kKindTime;  // dynamic: time files
    editor::ApplyTimeFormat(t, 2, i % 12);
    t.Layers[2].PosX = 300;
    t.Layers[2].FontStyle = printdata::kFontBold;
    t.Layers[3].Kind = printdata::kKindGraphic;
    t.Layers[3].PosX = 400;
    t.Layers[4].Kind = printdata::kKindDate;  // static date
    t.Layers[4].WeekdayMask = 0;
    editor::ApplyDateFormat(t, 4, 31);
    t.Layers[4].PosX = 460;
    t.Layers[4].Height = 9;
    t.Layers[4].Width = 5;
    t.Note = "Notiz " + std::to_string(i + 1);
  }
}

std::unique_ptr<printdata::PrintGroup> MakeGroup() {
  auto group = std::make_unique<printdata::PrintGroup>();
  FillGroup(*group);
  return group;
}

}  // namespace bench

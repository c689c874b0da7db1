#pragma once
// A group of print texts that uses every kind of layer, parameters, notes
// and protection, for tests that write a data set and read it back.
#include <memory>
#include <string>

#include "printdata/Init.h"
#include "printdata/PrintGroup.h"

namespace datasettest {

inline std::unique_ptr<printdata::PrintGroup> SampleGroup(int count) {
  auto g = std::make_unique<printdata::PrintGroup>();
  printdata::GroupInit(*g);
  g->Protection = "5";
  g->Note = "Kunde M\xFCller\r\nLinie 2";
  for (int i = 0; i < count; ++i) {
    printdata::PrintText& t = g->Texts[static_cast<std::size_t>(i)];
    t.Note = "Notiz " + std::to_string(i + 1);
    t.Parameters.X1.Drucklaenge = 200 + 10 * i;
    t.Parameters.X2.Anzahl = 2;
    t.Parameters.Y.AbstandZ = i;
    t.Layers[0].Kind = printdata::kKindText;
    t.Layers[0].Text = "Eier Nr. " + std::to_string(i + 1) + " \xE4\xF6\xFC";
    t.Layers[0].PosY = -3;
    t.Layers[1].Kind = printdata::kKindDate;
    t.Layers[1].DayOffset = 14;
    t.Layers[1].PosX = 120;
    t.Layers[2].Kind = printdata::kKindTime;
    t.Layers[2].Interval = -1;
    t.Layers[2].PosX = 200;
    t.Layers[3].Kind = printdata::kKindGraphic;
    t.Layers[3].GraphicWidth = 3;
    t.Layers[3].GraphicHeight = 2;
    t.Layers[3].Pixels = "101010";
    t.Layers[3].PosX = 260;
  }
  return g;
}

// Whether `b` holds the data set `a`: protection, note and print texts 0 to
// count - 1. A layer that is no graphic keeps no pixels in its file (its
// graphic size is written as 12 x 24), so its graphic is left out.
inline bool SameDataSet(const printdata::PrintGroup& a, const printdata::PrintGroup& b, int count) {
  if (a.Protection != b.Protection || a.Note != b.Note) return false;
  for (int i = 0; i < count; ++i) {
    printdata::PrintText x = a.Texts[static_cast<std::size_t>(i)], y = b.Texts[static_cast<std::size_t>(i)];
    for (int l = 0; l < printdata::kLayerCount; ++l) {
      auto& lx = x.Layers[static_cast<std::size_t>(l)];
      auto& ly = y.Layers[static_cast<std::size_t>(l)];
      for (auto* layer : {&lx, &ly})
        if (layer->Kind != printdata::kKindGraphic) {
          layer->Pixels.clear();
          layer->GraphicWidth = layer->GraphicHeight = 0;
        }
    }
    if (!(x == y)) return false;
  }
  return true;
}

}  // namespace datasettest

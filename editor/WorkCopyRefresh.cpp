#include "editor/WorkCopyRefresh.h"

#include "editor/DateCode.h"
#include "editor/TimeCode.h"
#include "printdata/StaticLayer.h"

namespace editor {

std::array<bool, printdata::kLayerCount> RefreshChangedTexts(printdata::PrintText& work, const LocalDateTime& now) {
  std::array<bool, printdata::kLayerCount> changed{};
  const int secondOfDay = now.Hour * 3600 + now.Minute * 60 + now.Second;
  for (unsigned n = 0; n < static_cast<unsigned>(printdata::kLayerCount); ++n) {
    printdata::LayerObject& l = work.Layers[n];
    if (!printdata::IsDynamicLayer(l)) continue;
    std::string* shown = nullptr;
    std::string text;
    if (l.Kind == printdata::kKindDate) {
      shown = &l.DatePreview;
      text = RenderDateText(work, n, now);
    } else if (l.Kind == printdata::kKindTime) {
      if (l.TimeStep > 0 && secondOfDay % l.TimeStep != 0) continue;
      shown = &l.TimePreview;
      text = RenderTimeText(work, n, now);
    }
    if (!shown || *shown == text) continue;
    *shown = std::move(text);
    changed[n] = true;
  }
  return changed;
}

}  // namespace editor

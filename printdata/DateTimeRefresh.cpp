#include "printdata/DateTimeRefresh.h"

namespace printdata {

bool IsDynamicDate(const LayerObject& layer) {
  return layer.Kind == kKindDate && (layer.WeekdayMask & kAllWeekdays) != 0;
}

bool IsDynamicTime(const LayerObject& layer) {
  return layer.Kind == kKindTime && layer.Interval != kStaticTimeInterval;
}

std::int64_t TimeStepBucket(std::int32_t step, std::int64_t s) {
  if (step <= 1) return s;
  // Floor division, so that moments before day 0 fall into the right step.
  return s >= 0 ? s / step : -((-s + step - 1) / step);
}

bool DateTimeRefresh::TimeDue(const LayerObject& layer, const std::optional<std::int64_t>& drawn,
                              const LocalMoment& now) {
  if (layer.TimeStep <= 0 || !drawn) return true;
  return TimeStepBucket(layer.TimeStep, now.Seconds()) != TimeStepBucket(layer.TimeStep, *drawn);
}

std::vector<int> DateTimeRefresh::DataViewPass(const PrintGroup& group, int count, const LocalMoment& now) {
  enum class Kind { Everything, NewDay, TimesOnly } kind;
  if (editorWasShown_) {
    editorWasShown_ = false;
    lastDate_ = now.Day;
    kind = Kind::Everything;
  } else if (now.Day != lastDate_) {
    lastDate_ = now.Day;
    kind = Kind::NewDay;
  } else {
    kind = Kind::TimesOnly;
  }
  std::vector<int> rows;
  const int n = count < 0 ? 0 : (count > kMaxPrintTexts ? kMaxPrintTexts : count);
  for (int row = 0; row < n; ++row) {
    const PrintText& text = group.Texts[static_cast<std::size_t>(row)];
    const std::optional<std::int64_t>& drawn = rowDrawn_[static_cast<std::size_t>(row)];
    for (const LayerObject& layer : text.Layers) {
      bool due = false;
      if (IsDynamicDate(layer))
        due = kind != Kind::TimesOnly;
      else if (IsDynamicTime(layer))
        due = kind == Kind::Everything || TimeDue(layer, drawn, now);
      if (due) {
        rows.push_back(row);
        break;
      }
    }
  }
  return rows;
}

unsigned DateTimeRefresh::EditorPass(const PrintText& work, const LocalMoment& now) {
  // Coming from the data view the editor has drawn its layers afresh; what
  // the last editor visit drew counts no more.
  if (!editorWasShown_) layerDrawn_.fill(std::nullopt);
  editorWasShown_ = true;
  unsigned layers = 0;
  for (int i = 0; i < kLayerCount; ++i) {
    const LayerObject& layer = work.Layers[static_cast<std::size_t>(i)];
    if (IsDynamicDate(layer) || (IsDynamicTime(layer) && TimeDue(layer, layerDrawn_[static_cast<std::size_t>(i)], now)))
      layers |= 1u << i;
  }
  return layers;
}

void DateTimeRefresh::RowDrawn(int row, const LocalMoment& at) {
  if (row >= 0 && row < kMaxPrintTexts) rowDrawn_[static_cast<std::size_t>(row)] = at.Seconds();
}

void DateTimeRefresh::EditorLayerDrawn(int layer, const LocalMoment& at) {
  if (layer >= 0 && layer < kLayerCount) layerDrawn_[static_cast<std::size_t>(layer)] = at.Seconds();
}

void DateTimeRefresh::EditorOpened() { layerDrawn_.fill(std::nullopt); }

}  // namespace printdata

#include "printdata/StaticLayer.h"

namespace printdata {

bool IsDynamicLayer(const LayerObject& layer) {
  switch (layer.Kind) {
    case kKindDate: return (layer.WeekdayMask & kAllWeekdays) != 0;
    case kKindTime: return layer.Interval != kStaticTimeInterval;
    default: return false;
  }
}

bool IsStaticLayer(const LayerObject& layer) {
  switch (layer.Kind) {
    case kKindText:
    case kKindGraphic: return true;
    // A mask with only bits above Sunday set would otherwise be neither and
    // print nothing; such a date prints as fixed content.
    case kKindDate:
    case kKindTime: return !IsDynamicLayer(layer);
    default: return false;
  }
}

bool IsStaticLayer(const PrintText& text, int index) {
  if (index < 0 || index >= kLayerCount) return false;
  return IsStaticLayer(text.Layers[index]);
}

}  // namespace printdata

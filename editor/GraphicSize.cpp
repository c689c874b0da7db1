#include "editor/GraphicSize.h"

#include <algorithm>

namespace editor {

std::int32_t ClampGraphicSize(std::int64_t size) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(size, kGraphicMinSize, kGraphicMaxSize));
}

std::int32_t ProportionalSide(std::int64_t changed, std::int64_t refThis, std::int64_t refOther) {
  // The sides and references are at most a few thousand, so the product
  // stays far inside 64 bits; bound them anyway against damaged input.
  constexpr std::int64_t kBound = std::int64_t{1} << 24;
  changed = std::clamp<std::int64_t>(changed, -kBound, kBound);
  refThis = std::clamp<std::int64_t>(refThis, 1, kBound);
  refOther = std::clamp<std::int64_t>(refOther, -kBound, kBound);
  return ClampGraphicSize(changed * refOther / refThis);
}

GraphicSize FitGraphicSize(std::int64_t width, std::int64_t height) {
  constexpr std::int64_t kBound = std::int64_t{1} << 32;
  width = std::clamp<std::int64_t>(width, 1, kBound);
  height = std::clamp<std::int64_t>(height, 1, kBound);
  if (width <= kGraphicMaxSize && height <= kGraphicMaxSize)
    return {static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
  // The longer side becomes 1000, the other follows truncated.
  if (width >= height) return {kGraphicMaxSize, ClampGraphicSize(height * kGraphicMaxSize / width)};
  return {ClampGraphicSize(width * kGraphicMaxSize / height), kGraphicMaxSize};
}

}  // namespace editor

#pragma once
// Sizes of a layer's graphic: 1 to 1000 dots each way (what the print-text
// file holds), the proportional rule of the size steps and the size an
// imported picture gets. Sizes come from files and pictures of any kind,
// so everything is worked out in 64 bits and nothing divides by zero.
#include <cstdint>

#include "printdata/PrintTextFormat.h"

namespace editor {

inline constexpr std::int32_t kGraphicMinSize = 1;
inline constexpr std::int32_t kGraphicMaxSize = printdata::kMaxGraphicSize;

std::int32_t ClampGraphicSize(std::int64_t size);

// The other side for a changed side while proportional scaling is on:
// changed x refOther / refThis, the quotient truncated, then held to 1 to
// 1000. A reference of 0 or less (a layer that never had a size) counts as
// 1.
std::int32_t ProportionalSide(std::int64_t changed, std::int64_t refThis, std::int64_t refOther);

struct GraphicSize {
  std::int32_t Width;
  std::int32_t Height;
};
// The size a picture of width x height pixels takes as a graphic: its own
// when both sides fit into 1000, else scaled down to fit with the sides'
// ratio kept (each side at least 1). Beyond 1000 a graphic could not be
// saved with its print text.
GraphicSize FitGraphicSize(std::int64_t width, std::int64_t height);

}  // namespace editor

#pragma once
// The fixed stops of the graphic pane's position buttons: the graphic is an
// object like any other, so its stops are the "Fix" anchors of the object
// panes (editor/FixAlignment.h), with the graphic's width and height in
// dots. A stop may be negative (a graphic wider than the field or taller
// than 25 rows).
#include <cstdint>

#include "editor/FixAlignment.h"

namespace editor {

using GraphicStopsX = HorizontalAnchors;  // Centre, Right
using GraphicStopsY = VerticalAnchors;    // Middle, Bottom

// `fieldDots` is the print field's length in dots (print length in whole
// millimetres x 6), `width` the graphic's width in dots.
inline GraphicStopsX StopsX(std::int64_t fieldDots, std::int64_t width) {
  return HorizontalAnchorsFor(fieldDots, width);
}
inline std::int64_t NextStopX(std::int64_t x, bool up, const GraphicStopsX& stops) {
  return NextAnchorX(x, up, stops);
}

// Bottom is height - 25: the graphic's bottom row on row 24.
inline GraphicStopsY StopsY(std::int64_t height) { return VerticalAnchorsFor(height); }
inline std::int64_t NextStopY(std::int64_t y, bool up, const GraphicStopsY& stops) {
  return NextAnchorY(y, up, stops);
}

}  // namespace editor

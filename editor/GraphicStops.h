#pragma once
// The fixed stops of the graphic pane's position buttons: while alignment
// is "Fix", X moves between the left edge, the centre and the right edge of
// the print field and Y between the top, the middle and the bottom of its 25
// rows, instead of stepping by one dot. Worked out in 64 bits; a stop may be
// negative (a graphic wider than the field or taller than 25 rows).
#include <cstdint>

namespace editor {

struct GraphicStopsX {
  std::int64_t Centre;  // field / 2 - width / 2, both halves truncated
  std::int64_t Right;   // field - width
};
// `fieldDots` is the print field's length in dots (print length in whole
// millimetres x 6), `width` the graphic's width in dots.
GraphicStopsX StopsX(std::int64_t fieldDots, std::int64_t width);
// Up walks left, centre, right; Down the other way. A position off the
// stops goes to the nearest stop in the button's direction.
std::int64_t NextStopX(std::int64_t x, bool up, const GraphicStopsX& stops);

struct GraphicStopsY {
  std::int64_t Middle;  // height / 2 - 12
  std::int64_t Bottom;  // height - 25: the graphic's bottom row on row 24
};
GraphicStopsY StopsY(std::int64_t height);
// Y counts upwards: Down walks top, middle, bottom; Up the other way.
std::int64_t NextStopY(std::int64_t y, bool up, const GraphicStopsY& stops);

}  // namespace editor

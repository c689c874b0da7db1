#pragma once
// "Fix" alignment of an object pane: while it is on, the position buttons
// move the object between three anchors (left, centre, right of the print
// field across; top, middle, bottom along its 25 rows) instead of stepping
// by one dot. Worked out in 64 bits: the widths come from texts and fonts
// that a file chooses.
#include <cstdint>

namespace editor {

struct HorizontalAnchors {
  std::int64_t Centre;
  std::int64_t Right;
};
// `fieldWidth` is the print field in dots, `objectWidth` the object's text
// as laid out; both halves are truncated toward zero.
HorizontalAnchors HorizontalAnchorsFor(std::int64_t fieldWidth, std::int64_t objectWidth);
// The next anchor from `x`: Up walks left, centre, right; Down the other way.
std::int64_t NextAnchorX(std::int64_t x, bool up, const HorizontalAnchors& anchors);

struct VerticalAnchors {
  std::int64_t Middle;
  std::int64_t Bottom;
};
// From the pane's font height (rows of the character cell).
VerticalAnchors VerticalAnchorsFor(std::int64_t fontHeight);
// Down walks top, middle, bottom (Y counts upwards); Up the other way.
std::int64_t NextAnchorY(std::int64_t y, bool up, const VerticalAnchors& anchors);

}  // namespace editor

#include "editor/FixAlignment.h"

#include "printdata/PrintField.h"

namespace editor {

HorizontalAnchors HorizontalAnchorsFor(std::int64_t fieldWidth, std::int64_t objectWidth) {
  return {fieldWidth / 2 - objectWidth / 2, fieldWidth - objectWidth};
}

// The rules are tried in order; the first that matches decides. With an
// object wider than the field the anchors lie left of 0, and the order of
// the rules still walks them one by one.
std::int64_t NextAnchorX(std::int64_t x, bool up, const HorizontalAnchors& a) {
  const std::int64_t c = a.Centre, r = a.Right;
  if (up) {
    if (x == 0) return c;
    if (x == c) return r;
    if (x == r) return r;
    if (x <= 0) return 0;
    if (x <= c) return c;
    return r;
  }
  if (x == 0) return 0;
  if (x == c) return 0;
  if (x == r) return c;
  if (x >= r) return r;
  if (x >= c) return c;
  return 0;
}

VerticalAnchors VerticalAnchorsFor(std::int64_t fontHeight) {
  return {fontHeight / 2 - 12, fontHeight - printdata::kPrintFieldRows};
}

std::int64_t NextAnchorY(std::int64_t y, bool up, const VerticalAnchors& a) {
  const std::int64_t m = a.Middle, b = a.Bottom;
  if (up) {
    if (y == 0) return 0;
    if (y == m) return 0;
    if (y == b) return m;
    if (y <= b) return b;
    if (y <= m) return m;
    return 0;
  }
  if (y == 0) return m;
  if (y == m) return b;
  if (y == b) return b;
  if (y >= 0) return 0;
  if (y >= m) return m;
  return b;
}

}  // namespace editor

#include "editor/GraphicStops.h"

namespace editor {

GraphicStopsX StopsX(std::int64_t fieldDots, std::int64_t width) {
  return {fieldDots / 2 - width / 2, fieldDots - width};
}

// The rules are tried in order; the order decides where the stops lie on
// top of each other or are negative.
std::int64_t NextStopX(std::int64_t x, bool up, const GraphicStopsX& s) {
  if (up) {
    if (x == 0) return s.Centre;
    if (x == s.Centre || x == s.Right) return s.Right;
    if (x < 0) return 0;
    if (x < s.Centre) return s.Centre;
    return s.Right;
  }
  if (x == 0 || x == s.Centre) return 0;
  if (x == s.Right) return s.Centre;
  if (x > s.Right) return s.Right;
  if (x > s.Centre) return s.Centre;
  return 0;
}

GraphicStopsY StopsY(std::int64_t height) { return {height / 2 - 12, height - 25}; }

std::int64_t NextStopY(std::int64_t y, bool up, const GraphicStopsY& s) {
  if (up) {
    if (y == 0 || y == s.Middle) return 0;
    if (y == s.Bottom) return s.Middle;
    if (y < s.Bottom) return s.Bottom;
    if (y < s.Middle) return s.Middle;
    return 0;
  }
  if (y == 0) return s.Middle;
  if (y == s.Middle || y == s.Bottom) return s.Bottom;
  if (y > 0) return 0;
  if (y > s.Middle) return s.Middle;
  return s.Bottom;
}

}  // namespace editor

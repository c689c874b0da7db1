#pragma once
// A rectangle of device pixels; right and bottom are outside it.
#include <algorithm>

namespace printing {

struct DeviceRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool operator==(const DeviceRect&) const = default;
};

// The part both have in common; empty when they do not meet.
inline DeviceRect Intersect(const DeviceRect& a, const DeviceRect& b) {
  DeviceRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom)};
  if (r.IsEmpty()) return {};
  return r;
}

}  // namespace printing

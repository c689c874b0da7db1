#include "printing/PageGeometry.h"

#include <algorithm>

namespace printing {
namespace {

constexpr double kInch20mm = 0.7874015748031497;
constexpr double kInch15mm = 0.5905511811023623;

}  // namespace

int PageResolution(int dx) { return std::min(dx, 600); }

PageGeometry PageGeometryAt(const DeviceCaps& caps, int r) {
  PageGeometry g;
  g.dx = caps.logPixelsX;
  g.dy = caps.logPixelsY;
  g.r = r;
  g.left = static_cast<int>(g.dx * kInch20mm);
  g.top = static_cast<int>(g.dy * kInch20mm);
  g.right = static_cast<int>(caps.physicalWidth - g.dx * kInch15mm);
  g.bottom = static_cast<int>(caps.physicalHeight - g.dy * kInch20mm);
  if (g.dx <= 0 || g.dy <= 0 || r <= 0) return g;
  g.width = static_cast<int>(std::int64_t{g.right - g.left} * r / g.dx);
  g.height = static_cast<int>(std::int64_t{g.bottom - g.top} * r / g.dy);
  return g;
}

}  // namespace printing

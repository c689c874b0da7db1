#include "editor/GridImage.h"

#include <algorithm>

#include "printdata/PrintField.h"

namespace editor {
namespace {

// Lines drawn towards an end point stop one pixel before it.
void HorizontalLine(platform::Bitmap& b, int y, int fromX, int toX) { b.FillRect(fromX, y, toX, y + 1, kGridLineColour); }
void VerticalLine(platform::Bitmap& b, int x, int fromY, int toY) { b.FillRect(x, fromY, x + 1, toY, kGridLineColour); }

void Lattice(platform::Bitmap& b, int step) {
  const int w = b.Width(), h = b.Height();
  for (int y = 0; y < h; y += step) HorizontalLine(b, y, 0, w);
  for (int x = 0; x < w; x += step) VerticalLine(b, x, 0, h);
}

}  // namespace

int ClampZoom(std::int64_t zoom) { return zoom < 0 ? 5 : static_cast<int>(std::clamp<std::int64_t>(zoom, 1, 5)); }

int ClampFieldWidth(std::int64_t width) {
  return width < 0 ? 600 : static_cast<int>(std::clamp<std::int64_t>(width, 6, 600));
}

int DrawGrid(platform::Bitmap& grid, std::int64_t zoomIn, int mode, std::int64_t widthIn) {
  const int zoom = ClampZoom(zoomIn);
  const int width = ClampFieldWidth(widthIn);
  const int w = zoom * width + 1;
  const int h = zoom * printdata::kPrintFieldRows + 1;
  grid.Resize(w, h);
  switch (mode) {
    case kGridPixel:
      if (zoom > 1) Lattice(grid, zoom);
      return kGridPixel;
    case kGridMillimetre:
      Lattice(grid, printdata::kDotsPerMillimetre * zoom);
      return kGridMillimetre;
    case kGridAreas:
      HorizontalLine(grid, h / 2, 0, w - 1);
      VerticalLine(grid, w / 3, 0, h - 1);
      VerticalLine(grid, 2 * w / 3, 0, h - 1);
      return kGridAreas;
    default:
      return kGridNone;
  }
}

}  // namespace editor

#include "printdata/RowLayout.h"

#include <algorithm>

#include "printdata/PrintField.h"

namespace printdata {

int LayoutMillimetres(std::int32_t drucklaenge) {
  return std::clamp(drucklaenge / 10, kMinLayoutMillimetres, kMaxLayoutMillimetres);
}

RowPlaces LayOutRows(const PrintGroup& group, int count, int zoom, const std::array<bool, kRowColumnCount>& columns) {
  const int z = std::clamp(zoom, kMinZoom, kMaxZoom);
  RowPlaces places;
  int y = 3;
  for (int i = 0; i < kMaxPrintTexts; ++i) {
    RowPlace& p = places[static_cast<std::size_t>(i)];
    const int mm = LayoutMillimetres(group.Texts[static_cast<std::size_t>(i)].Parameters.X1.Drucklaenge);
    p.Shown = i < count;
    p.ImageTop = y;
    p.NumberTop = y + kPrintFieldRows * z / 2 - 7;
    p.BitmapWidth = mm * kDotsPerMillimetre;
    p.ImageWidth = p.BitmapWidth * z;
    p.ImageHeight = kPrintFieldRows * z;
    if (p.Shown) y += p.ImageHeight;
    for (int c = 0; c < kRowColumnCount; ++c) {
      p.ColumnOn[static_cast<std::size_t>(c)] = columns[static_cast<std::size_t>(c)];
      if (!columns[static_cast<std::size_t>(c)]) continue;
      y += 8;
      p.ColumnTop[static_cast<std::size_t>(c)] = y;
      y += kRowColumnHeights[static_cast<std::size_t>(c)];
    }
    y += 16;
  }
  return places;
}

}  // namespace printdata

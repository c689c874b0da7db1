#include "printing/TextPages.h"

#include <algorithm>

namespace printing {

int PixelsPerMm(int pixelsPerInch) { return pixelsPerInch * 10 / 254; }

PageGeometry TextPageGeometryAt(const DeviceCaps& caps, int r) {
  PageGeometry g;
  g.dx = caps.logPixelsX;
  g.dy = caps.logPixelsY;
  g.r = r;
  g.left = kTextMarginMm * PixelsPerMm(g.dx);
  g.top = kTextMarginMm * PixelsPerMm(g.dy);
  // The right and bottom edges are the box's last pixels.
  g.right = caps.horzRes - g.left - 1;
  g.bottom = caps.vertRes - g.top - 1;
  if (g.dx <= 0 || g.dy <= 0 || r <= 0 || g.right <= g.left || g.bottom <= g.top) return g;
  g.width = static_cast<int>(std::int64_t{g.right - g.left + 1} * r / g.dx);
  g.height = static_cast<int>(std::int64_t{g.bottom - g.top + 1} * r / g.dy);
  return g;
}

std::vector<TextPage> LayOutText(const std::vector<int>& lineLengths, int charsPerLine, int linesPerPage) {
  charsPerLine = std::max(1, charsPerLine);
  linesPerPage = std::max(1, linesPerPage);
  std::vector<TextPage> pages(1);
  const auto put = [&](const TextSpan& span) {
    if (static_cast<int>(pages.back().size()) == linesPerPage) pages.emplace_back();
    pages.back().push_back(span);
  };
  for (int line = 0; line < static_cast<int>(lineLengths.size()); ++line) {
    const int length = std::max(0, lineLengths[static_cast<std::size_t>(line)]);
    int start = 0;
    do {
      const int piece = std::min(charsPerLine, length - start);
      put({line, start, piece});
      start += piece;
    } while (start < length);
  }
  return pages;
}

}  // namespace printing

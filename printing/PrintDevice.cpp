#include "printing/PrintDevice.h"

#include <algorithm>

namespace printing {

PageMetrics GetPageMetrics(const PrintDevice& device) {
  const DeviceCaps c = device.Caps();
  PageMetrics m;
  m.offsetX = c.physicalOffsetX;
  m.offsetY = c.physicalOffsetY;
  m.printableWidth = c.horzRes;
  m.printableHeight = c.vertRes;
  // A device that does not know its sheet is as large as what it prints.
  m.physicalWidth = c.physicalWidth != 0 ? c.physicalWidth : c.horzRes;
  m.physicalHeight = c.physicalHeight != 0 ? c.physicalHeight : c.vertRes;
  m.unprintableRight = m.physicalWidth - m.printableWidth - m.offsetX;
  m.unprintableBottom = m.physicalHeight - m.printableHeight - m.offsetY;
  m.margin = std::max({m.offsetX, m.offsetY, m.unprintableRight, m.unprintableBottom});
  m.marginWidth = m.physicalWidth - 2 * m.margin;
  m.marginHeight = m.physicalHeight - 2 * m.margin;
  m.marginOriginX = m.margin - m.offsetX;
  m.marginOriginY = m.margin - m.offsetY;
  m.pixelsPerInchX = c.logPixelsX;
  m.pixelsPerInchY = c.logPixelsY;
  return m;
}

}  // namespace printing

#pragma once
// What the print engine needs of a printer page: its measures and two ways
// of putting a device-independent bitmap onto it. The program prints on
// QPrinter (printing/ui/PrinterDevice); tests and benchmarks draw into a
// plain bitmap (RasterDevice). Device coordinates start at the corner of
// the printable area.
#include <cstdint>
#include <span>
#include <string>

#include "printing/DeviceRect.h"

namespace printing {

struct DeviceCaps {
  int logPixelsX = 0;  // pixels per inch across and down
  int logPixelsY = 0;
  int horzRes = 0;  // the printable area in pixels
  int vertRes = 0;
  int physicalWidth = 0;  // the sheet in pixels
  int physicalHeight = 0;
  int physicalOffsetX = 0;  // where the printable area starts on the sheet
  int physicalOffsetY = 0;
  bool bitmap64 = true;  // takes bitmaps of 64 KB and more at once
};

// A bitmap as the device gets it: the 40-byte info header with its colour
// table or masks, and the pixel rows bottom-up; uncompressed or bit fields.
struct DibView {
  std::span<const std::uint8_t> header;
  std::span<const std::uint8_t> pixels;
};

class PrintDevice {
 public:
  virtual ~PrintDevice() = default;

  virtual DeviceCaps Caps() const = 0;
  // Draws the whole bitmap stretched onto `dest`; the rows drawn (the
  // bitmap's height), 0 on failure.
  virtual int StretchDib(const DeviceRect& dest, const DibView& dib) = 0;
  // The other way: the bitmap made a device bitmap first and copied onto
  // `dest`, pixel for pixel when `dest` has its size, else stretched.
  virtual bool BltDib(const DeviceRect& dest, const DibView& dib) = 0;
  // A text that a picture on the page shows at `where` (UTF-8), for a
  // device that keeps a page's text apart from its pictures: a PDF gets it
  // as invisible text, so that its pages can be searched. Nothing is drawn.
  virtual void PageText(const DeviceRect& where, const std::string& text) { (void)where, (void)text; }
};

// The measures of a page as the engine reads them.
struct PageMetrics {
  int offsetX = 0, offsetY = 0;
  int unprintableRight = 0, unprintableBottom = 0;
  int physicalWidth = 0, physicalHeight = 0;
  int printableWidth = 0, printableHeight = 0;
  int margin = 0;  // the largest unprintable width, on every side
  int marginWidth = 0, marginHeight = 0;  // the sheet less twice the margin
  int marginOriginX = 0, marginOriginY = 0;  // the margin's corner in the printable area
  int pixelsPerInchX = 0, pixelsPerInchY = 0;
};

PageMetrics GetPageMetrics(const PrintDevice& device);

}  // namespace printing

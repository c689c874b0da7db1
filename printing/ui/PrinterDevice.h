#pragma once
// The print engine's device on a QPrinter page: the printer's measures,
// and tiles drawn through the painter of the open document at device
// pixels from the corner of the printable area. Images go into a PDF
// without loss.
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include "printing/PrintDevice.h"

namespace printing::ui {

// The measures of the printer's page at its resolution; it takes bitmaps
// of any size.
DeviceCaps CapsOf(const QPrinter& printer);

class PrinterDevice final : public PrintDevice {
 public:
  PrinterDevice(const QPrinter& printer, QPainter& painter) : caps_(CapsOf(printer)), painter_(painter) {}

  DeviceCaps Caps() const override { return caps_; }
  int StretchDib(const DeviceRect& dest, const DibView& dib) override;
  // Through a pixmap, the device's own kind of picture.
  bool BltDib(const DeviceRect& dest, const DibView& dib) override;
  // In a transparent pen: found by a PDF reader's search, not seen.
  void PageText(const DeviceRect& where, const std::string& text) override;

 private:
  DeviceCaps caps_;
  QPainter& painter_;
  QImage tile_;  // kept from tile to tile
};

}  // namespace printing::ui

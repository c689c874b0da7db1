#include "printing/ui/PrinterDevice.h"

#include <QPixmap>
#include <algorithm>

#include "printing/ui/DeviceRectQt.h"
#include "printing/ui/QtDib.h"

namespace printing::ui {

DeviceCaps CapsOf(const QPrinter& printer) {
  DeviceCaps c;
  const int dpi = printer.resolution();
  const QPageLayout layout = printer.pageLayout();
  const QRect sheet = layout.fullRectPixels(dpi);
  const QRect printable = layout.paintRectPixels(dpi);
  c.logPixelsX = c.logPixelsY = dpi;
  c.horzRes = printable.width();
  c.vertRes = printable.height();
  c.physicalWidth = sheet.width();
  c.physicalHeight = sheet.height();
  c.physicalOffsetX = printable.left() - sheet.left();
  c.physicalOffsetY = printable.top() - sheet.top();
  return c;
}

int PrinterDevice::StretchDib(const DeviceRect& dest, const DibView& dib) {
  if (dest.IsEmpty() || !painter_.isActive() || !DibToImage(dib, tile_)) return 0;
  painter_.drawImage(ToQt(dest), tile_);
  return tile_.height();
}

bool PrinterDevice::BltDib(const DeviceRect& dest, const DibView& dib) {
  if (dest.IsEmpty() || !painter_.isActive() || !DibToImage(dib, tile_)) return false;
  const QPixmap pixmap = QPixmap::fromImage(tile_);
  if (pixmap.isNull()) return false;
  painter_.drawPixmap(ToQt(dest), pixmap);
  return true;
}

void PrinterDevice::PageText(const DeviceRect& where, const std::string& text) {
  if (!painter_.isActive() || where.IsEmpty()) return;
  painter_.save();
  QFont font(QStringLiteral("Verdana"));
  font.setPixelSize(std::max(1, where.Height()));
  painter_.setFont(font);
  painter_.setPen(QColor(0, 0, 0, 0));
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.drawText(where.left, where.top + painter_.fontMetrics().ascent(), QString::fromStdString(text));
  painter_.restore();
}

}  // namespace printing::ui

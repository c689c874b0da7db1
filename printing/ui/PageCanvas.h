#pragma once
// The page bitmap of a report or window page and what every such page
// carries: the header ("Osmek AG", "Tarvik23" and a context text over a
// rule), the footer (the date, the page caption and a rule) and text in
// Verdana, black on white. Positions and font sizes are given in 1/300
// inch (PageGeometry::U); font sizes are points as a 96 dpi screen sets
// them, the way the page has always looked.
#include <QImage>
#include <QString>
#include <optional>
#include <vector>

#include "printing/BmpStream.h"
#include "printing/DibPrintEngine.h"
#include "printing/PageGeometry.h"
#include "printing/PrintDevice.h"

class QPainter;

namespace printing::ui {

class PageCanvas {
 public:
  // The page bitmap for a printer of `caps`, at the printer's resolution
  // (at most 600) or, when no bitmap that large can be made, at 600, 300,
  // 200 or 100 pixels per inch. Nothing when none can be made.
  // `at` gives the page's place on the sheet (a report's or window's
  // margins by default; the text box's for plain text).
  using GeometryAt = PageGeometry (*)(const DeviceCaps& caps, int r);
  static std::optional<PageCanvas> Create(const DeviceCaps& caps, GeometryAt at = PageGeometryAt);

  const PageGeometry& Geometry() const { return geometry_; }
  QImage& Image() { return image_; }

  // White all over, for the next page.
  void Clear();

  // Text with its top-left corner at (x, y), black on white, in the font
  // SetFont chose (`size` in 1/300 inch). The page keeps the text, which
  // Output hands to the device besides the picture.
  void Text(QPainter& p, int x, int y, const QString& text);
  void SetFont(QPainter& p, int size) const;

  // The header with `context` at the right.
  void DrawHeader(QPainter& p, const QString& context);
  // `text` centred across the page, top at `top`, in `size`.
  void DrawCentred(QPainter& p, int top, int size, const QString& text);
  // The footer: `date` at the left, `caption` at the right.
  void DrawFooter(QPainter& p, const QString& date, const QString& caption);
  // A black rectangle from (left, top) to (right, bottom), the right and
  // bottom edges outside it.
  static void Rule(QPainter& p, int left, int top, int right, int bottom);

  // Puts the page on the printer's page: 1 printed, -1 empty page bitmap,
  // -2 the bitmap could not be converted, -3 the print engine failed.
  int Output(PrintDevice& device, const EngineOptions& options, const TileProgress& progress) const;

 private:
  PageCanvas() = default;
  PageGeometry geometry_;
  QImage image_;
  struct PlacedText {
    DeviceRect where;  // on the page bitmap
    QString text;
  };
  std::vector<PlacedText> texts_;
  // The page as a bitmap file and its blocks, kept from page to page.
  mutable QByteArray file_;
  mutable Dib dib_;
};

// Today's date as the footer shows it ("dd.mm.yyyy").
QString FooterDate();

// The engine's settings on this screen: tiles of the screen's size.
EngineOptions ScreenEngineOptions();

}  // namespace printing::ui

#pragma once
// A page of plain text: the lines laid out by LayOutText, black on white in
// 8-point "Courier New" (or the fixed-pitch face the system puts in its
// place), inside the text box of TextPageGeometryAt.
#include <QFont>
#include <QString>
#include <QStringList>
#include <vector>

#include "printing/DibPrintEngine.h"
#include "printing/TextPages.h"
#include "printing/ui/PageCanvas.h"

namespace printing::ui {

// The font on a page bitmap of `r` pixels per inch.
QFont TextPrintFont(int r);

// How many characters and lines of `font` the canvas holds.
struct TextMeasure {
  int charsPerLine = 1;
  int linesPerPage = 1;
};
TextMeasure MeasureText(const PageCanvas& canvas, const QFont& font);

// The pages of `lines` on `canvas`.
std::vector<TextPage> TextPagesFor(const PageCanvas& canvas, const QStringList& lines);

// Draws `page` of `lines` on `canvas` and prints it on `device`; results as
// PageCanvas::Output's.
int PrintTextPage(PageCanvas& canvas, PrintDevice& device, const QStringList& lines, const TextPage& page,
                  const EngineOptions& options = {}, const TileProgress& progress = {});

}  // namespace printing::ui

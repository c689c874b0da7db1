#pragma once
// One page with the picture of a window: the header with the context text,
// the window's title, the window's client area in a purple frame with a
// title band, and the footer. A hidden window is shown for the moment of
// the picture and closed again, so that its show handler fills it in as
// for the operator; unless it holds a change the printer has not taken yet,
// which showing it would undo: then it is pictured as it stands.
#include <QImage>
#include <QString>
#include <functional>

#include "printing/DibPrintEngine.h"
#include "printing/ui/PageCanvas.h"

class QWidget;

namespace printing::ui {

struct WindowPageTexts {
  QString context;  // at the right of the header
  QString title;    // under the header
};

// The window's client area as it paints itself; a hidden window is shown
// and closed around it when `mayShow`.
QImage CaptureWindow(QWidget* window, bool mayShow);

// Draws the page of `window` on `canvas`; false when drawing failed.
bool DrawFormPage(PageCanvas& canvas, const QString& caption, QWidget* window, const WindowPageTexts& texts,
                  bool mayShow, const std::function<void()>& errorSize);

// Draws the page of `window` on `canvas` and prints it on `device`;
// results as PrintReportPage's. `errorSize` is called when the picture does
// not fit even at 1/19 of its size (it is printed at 1/20 all the same).
int PrintFormPage(PageCanvas& canvas, PrintDevice& device, const QString& caption, QWidget* window,
                  const WindowPageTexts& texts, bool mayShow, const std::function<void()>& errorSize,
                  const EngineOptions& options = {}, const TileProgress& progress = {});

}  // namespace printing::ui

#pragma once
// Where the picture of a window goes on its page, and which texts head the
// page. The picture (the window's client area) sits in a purple frame with
// a title band, centred across the page; it is printed as large as the
// printer's resolution allows against the screen's, and made smaller step
// by step until it fits.
#include <string>

#include "printing/DeviceRect.h"
#include "printing/PageGeometry.h"

namespace printing {

struct WindowPagePlan {
  int factor = 1;   // enlargement
  int divisor = 1;  // reduction
  DeviceRect outer;  // the purple frame
  DeviceRect inner;  // where the window's picture is stretched
  bool errorSize = false;  // did not fit even at 1/19: printed at 1/20 all the same
};

// A window of `iw` x `ih` client pixels on a screen of `screenDpi` pixels
// per inch. The framed picture is iw + 8 by ih + 32 screen pixels; a length
// of v screen pixels is ((v x r) / dy) x factor / divisor page pixels.
WindowPagePlan PlanWindowPage(const PageGeometry& page, int screenDpi, int iw, int ih);

// Which text heads a window page (at the right of the header) and which is
// its title.
enum class WindowText {
  DataTitle,       // the data view's TitleNone
  EditorButton,    // the edit menu's "Bearbeiten" caption
  PrinterButton,   // the main window's printer button
  PcButton,        // the main window's PC button
  HelpButton,      // the main window's help button
  MainCaption,     // the main window's caption
  OwnCaption,      // the printed window's caption
  Unknown,         // "?"
};

struct WindowPageState {
  std::string windowName;  // the window's object name ("FormInfo", "Form_Main")
  bool dataView = false;   // which page of the main window shows
  bool editor = false;
  bool printerView = false;
  bool pcFileDialog = false;  // the file dialog runs for the PC menu's backup or restore
};

WindowText ContextTextOf(const WindowPageState& state);
WindowText TitleTextOf(const WindowPageState& state);

}  // namespace printing

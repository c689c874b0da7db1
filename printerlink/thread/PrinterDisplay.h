#pragma once
// A window that shows printer values. The printer thread calls every
// registered display in the GUI thread while it waits:
// - ResetDisplay after the mirror went back to unknown (start, a port that
//   cannot be opened, a lost link, simulation switched on or off);
// - RefreshDisplay after every poll cycle in which a query ran: write every
//   shown value again from the mirror (DisplayRules has the rules that
//   several windows share);
// - ShowPortLabel with the connection text ("" connected, the moving strip
//   while searching, the simulation's caption).
// A display reads the mirror only inside these calls. A setting form takes
// its Printer fields from the mirror in both (ResetDisplay leaves the
// power-on form's PrinterStartupState alone).
#include <string>

#include "printerlink/thread/PrinterCaptions.h"
#include "printerlink/thread/PrinterMirror.h"
#include "printerlink/thread/PrinterWindowState.h"
#include "printerlink/thread/RequestBoard.h"

namespace printerthread {

struct DisplayView {
  const PrinterMirror& mirror;
  const PrinterCaptions& captions;
  const RequestBoard& requests;
  const PrinterWindowState& windows;
};

class PrinterDisplay {
 public:
  virtual ~PrinterDisplay() = default;
  virtual void ResetDisplay(const DisplayView& view) {}
  virtual void RefreshDisplay(const DisplayView& view) {}
  virtual void ShowPortLabel(const std::string& text) {}
};

}  // namespace printerthread

// The program's one caption table, window state, request board and display
// registry.
#include "printerlink/thread/CaptionTable.h"
#include "printerlink/thread/DisplayRegistry.h"
#include "printerlink/thread/RequestBoard.h"
#include "printerlink/thread/PrinterWindowState.h"

namespace printerthread {

CaptionTable& PrinterCaptionTable() {
  static CaptionTable table;
  return table;
}

PrinterWindowState& PrinterWindows() {
  static PrinterWindowState state;
  return state;
}

RequestBoard& PrinterRequests() {
  static RequestBoard board;
  return board;
}

DisplayRegistry& PrinterDisplays() {
  static DisplayRegistry registry;
  return registry;
}

}  // namespace printerthread

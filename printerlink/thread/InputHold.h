#pragma once
// Holds the user's input back for as long as a print-data sequence runs
// (PrintDataDesk::BlockInput, in the GUI thread).
#include "printerlink/thread/PrintDataDesk.h"
#include "printerlink/thread/PrinterSession.h"

namespace printerthread {

class InputHold {
 public:
  InputHold(PrinterSession& session, PrintDataDesk& desk) : session_(session), desk_(desk) {
    session_.Synchronize([this] { desk_.BlockInput(true); });
  }
  ~InputHold() {
    try {
      session_.Synchronize([this] { desk_.BlockInput(false); });
    } catch (...) {
      // Skipped once the thread is ending; the desk lets go when it goes.
    }
  }
  InputHold(const InputHold&) = delete;
  InputHold& operator=(const InputHold&) = delete;

 private:
  PrinterSession& session_;
  PrintDataDesk& desk_;
};

}  // namespace printerthread

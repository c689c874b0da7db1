#pragma once
// The window that shows the printer thread's message boxes: implemented by
// the program over its message window, called in the GUI thread. A modal
// box returns once the user has confirmed it.
#include "printerlink/thread/PrinterBox.h"

namespace printerthread {

class PrinterMessenger {
 public:
  virtual ~PrinterMessenger() = default;
  virtual void ShowMessage(const PrinterBox& box) = 0;
  virtual void CloseMessage() = 0;
};

}  // namespace printerthread

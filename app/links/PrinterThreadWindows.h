#pragma once
// The main window's side of the printer thread: the connection text under
// the printer button, and the thread's message boxes in the program's
// message window. Created and registered by the main window when it starts
// the thread.
#include <QLabel>
#include <QPointer>

#include "printerlink/thread/PrinterMessenger.h"
#include "printerlink/thread/PrinterDisplay.h"

namespace app {

class PrinterThreadWindows final : public printerthread::PrinterDisplay, public printerthread::PrinterMessenger {
 public:
  explicit PrinterThreadWindows(QLabel* labelPrinter) : labelPrinter_(labelPrinter) {}

  void ShowPortLabel(const std::string& text) override;
  void ShowMessage(const printerthread::PrinterBox& box) override;
  void CloseMessage() override;

 private:
  QPointer<QLabel> labelPrinter_;
};

}  // namespace app

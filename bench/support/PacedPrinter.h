#pragma once
// The printer emulator paced at the line's 115200 baud, reached through
// port 1 with the link open on it: what the link, thread and transfer
// benchmarks measure against.
#include <memory>

#include "PrinterEmulator.h"
#include "platform/PortRegistry.h"

namespace bench {

class PacedPrinter {
 public:
  PacedPrinter();
  ~PacedPrinter();
  PacedPrinter(const PacedPrinter&) = delete;
  PacedPrinter& operator=(const PacedPrinter&) = delete;

  // Starts the emulator and opens the link's port on it; says why not on
  // standard error.
  bool Open();
  printeremu::PrinterEmulator& Printer() { return printer_; }

 private:
  printeremu::PrinterEmulator printer_;
  std::unique_ptr<platform::FixedPortRegistry> ports_;
};

}  // namespace bench

#pragma once
// The printer emulator paced at the line's 115200 baud, reached through
// port 1 with the link open on it: what the link, thread and transfer
// benchmarks measure against.
#include <cstddef>
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

// The characters a transcript entry put on the line: a command with its CR,
// a reply with STX and ETX, data as it stands; nothing for the rest.
std::size_t LineCharacters(const printeremu::TranscriptEntry& entry);
// The same for the whole transcript, in either direction: the time the
// exchanges need at the very least, one character after the other.
std::size_t LineCharacters(const printeremu::PrinterEmulator& printer);

}  // namespace bench

#include "bench/support/PacedPrinter.h"

#include <cstdio>

#include "printerlink/SerialLink.h"

namespace bench {

namespace {
printeremu::EmulatorOptions Paced() {
  printeremu::EmulatorOptions options;
  options.pacedBaud = 115200;
  return options;
}
}  // namespace

PacedPrinter::PacedPrinter() : printer_(Paced()) {}

PacedPrinter::~PacedPrinter() {
  if (ports_) platform::SetPortRegistry(nullptr);
}

bool PacedPrinter::Open() {
  if (auto started = printer_.Start(); !started) {
    std::fprintf(stderr, "emulator: %s\n", started.error().c_str());
    return false;
  }
  ports_ = std::make_unique<platform::FixedPortRegistry>(
      std::vector<platform::PortEntry>{{1, printer_.DevicePath(), platform::kPortKindUsb}});
  platform::SetPortRegistry(ports_.get());
  printerlink::ComPortHandle = printerlink::ComPortOpen(1);
  if (printerlink::ComPortHandle < 0 ||
      printerlink::ComPortSetup(printerlink::ComPortHandle, printerlink::kLinkBaud, false) != 0) {
    std::fprintf(stderr, "cannot open the emulator's port\n");
    return false;
  }
  return true;
}

std::size_t LineCharacters(const printeremu::TranscriptEntry& entry) {
  switch (entry.kind) {
    case printeremu::EntryKind::Command: return entry.text.size() + 1;
    case printeremu::EntryKind::Reply: return entry.text.size() + 2;
    case printeremu::EntryKind::Data: return entry.text.size();
    default: return 0;
  }
}

std::size_t LineCharacters(const printeremu::PrinterEmulator& printer) {
  std::size_t n = 0;
  for (const auto& e : printer.Transcript()) n += LineCharacters(e);
  return n;
}

}  // namespace bench

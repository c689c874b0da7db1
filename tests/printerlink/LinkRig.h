#pragma once
// A printer emulator on a pseudo-terminal registered as port kRigPort (a
// USB serial port), the link's port opened and set up on it, and a scratch
// folder. Everything the link keeps process-wide is put back afterwards.
#include <string>

#include "PrinterEmulator.h"
#include "platform/PortRegistry.h"
#include "support/TempDir.h"

namespace linktest {

inline constexpr unsigned kRigPort = 7;

class LinkRig {
 public:
  explicit LinkRig(printeremu::EmulatorOptions options = {}, bool openPort = true);
  ~LinkRig();

  printeremu::PrinterEmulator printer;
  testsupport::TempDir dir;

  std::string Path(const std::string& name) const { return dir / name; }
  // The command lines the printer received that begin with `keyword`.
  std::vector<std::string> CommandsStartingWith(const std::string& keyword) const;
  // Text entries of one kind.
  std::vector<std::string> Entries(printeremu::EntryKind kind) const;

 private:
  platform::FixedPortRegistry registry_;
};

// The printer's reply to `command` on the rig's open port; the exchange
// itself is expected to succeed.
std::string Ask(const std::string& command);

void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Reproducible bytes covering all 256 values.
std::string TestBytes(std::size_t count, unsigned seed = 1);

}  // namespace linktest

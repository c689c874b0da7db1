#pragma once
// The print-data transfer against the printer emulator on a
// pseudo-terminal: the port opened on it, a session over the real port, a
// fake desk, a temporary folder standing for the program's TMP folder and a
// fake clock (the sequences' pauses pass at once; the line keeps its own
// time). The sequences run in the test's thread, which plays both threads.
#include <memory>
#include <string>
#include <vector>

#include "FakeDesk.h"
#include "PrinterEmulator.h"
#include "Recorders.h"
#include "platform/PortRegistry.h"
#include "printerlink/thread/GroupDownload.h"
#include "printerlink/thread/GroupUpload.h"
#include "printerlink/thread/PortCommandLink.h"
#include "support/FakeTime.h"
#include "support/TempDir.h"

namespace threadtest {

class TransferRig {
 public:
  explicit TransferRig(printeremu::EmulatorOptions options = {});
  ~TransferRig();

  // One whole sequence, as the printer menu asks for it.
  printerthread::GroupDownload Download();
  printerthread::GroupUpload Upload();

  std::string Tmp() const { return dir.path() + "/"; }
  std::string Local(const std::string& name) const { return Tmp() + name; }
  // The printer's file, "" when it has none.
  std::string PrinterFile(const std::string& name) const;
  // Commands since the last Clear(), and the files whose first block was sent.
  std::vector<std::string> Commands() const;
  std::vector<std::string> FilesSent() const;
  std::vector<printerthread::PrinterBox> Boxes() const { return messenger.Boxes(); }
  void Clear();

  testsupport::ScopedFakeTime time;
  testsupport::TempDir dir;
  printeremu::PrinterEmulator printer;
  platform::FixedPortRegistry registry;
  printerthread::PortCommandLink link;
  RecordingMessenger messenger;
  std::unique_ptr<printerthread::PrinterSession> session;
  FakeDesk desk;
};

}  // namespace threadtest

#pragma once
// The configuration-file, console and firmware sequences, which the
// printer settings' service tools plug into the printer thread; run like
// the print-data transfer (GroupTransfer.h).
#include "printerlink/thread/PrinterSession.h"
#include "printerlink/thread/Requests.h"

namespace printerthread {

class ServiceSequences {
 public:
  virtual ~ServiceSequences() = default;
  virtual void BackupConfig(PrinterSession& session, const BackupConfigRequest& request) = 0;
  virtual void RestoreConfig(PrinterSession& session, const RestoreConfigRequest& request) = 0;
  virtual void RunConsoleCommand(PrinterSession& session, const ConsoleCommandRequest& request) = 0;
  virtual void StoreConfigFromEditor(PrinterSession& session, const StoreConfigRequest& request) = 0;
  virtual void FetchConfigForEditor(PrinterSession& session, const FetchConfigRequest& request) = 0;
  virtual void InstallFirmware(PrinterSession& session, const FirmwareInstallRequest& request) = 0;
};

}  // namespace printerthread
